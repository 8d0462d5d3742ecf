#pragma once
// Runs a built command-line tool of the assembled program folder as a user would, with
// `--home` set to a test's private folder, and returns its exit status and output.
#include <string>
#include <vector>

#include "support/temp_home.h"

namespace veltora::test {

struct ToolRun {
    int status = -1;  // -1: the tool did not exit normally
    std::string output;
    std::string errors;
};

ToolRun RunTool(const std::string& tool, const TempHome& home, const std::vector<std::string>& arguments);

}  // namespace veltora::test
