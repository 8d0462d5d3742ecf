#pragma once
// The state the file commands of one folder work on: a private program folder holding the
// (empty) folder, a workspace, the folder's list with "Blank document" selected, and a
// scripted host.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "files/file_lists.h"
#include "scoring/workspace.h"
#include "support/temp_home.h"
#include "workflow/scripted_host.h"

namespace veltora::test {

class FileCommandTest : public ::testing::Test {
protected:
    explicit FileCommandTest(std::string_view folderName) : folder(home / folderName) {
        std::filesystem::create_directories(folder);
        list.entries = {std::string(kBlankDocument)};
        list.selected = 0;
    }

    TempHome home{false};
    AppContext ctx{home.Path()};
    std::filesystem::path folder;
    Workspace ws;
    FileList list;
    ScriptedHost host;
};

}  // namespace veltora::test
