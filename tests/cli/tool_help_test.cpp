// --help and -h print the tool's usage on standard output and succeed without doing any
// work, also after other options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tool_run.h"

namespace veltora {
namespace {

TEST(CommandLineTools, HelpPrintsTheUsageAndSucceeds) {
    const struct {
        const char* tool;
        std::vector<std::string> before;  // options given ahead of the help flag
    } tools[] = {
        {"veltora-sheet", {"--template", "ShuPai20"}},
        {"veltora-mark", {"--paper", "Unit1.CHO"}},
    };
    for (const auto& t : tools) {
        for (const char* flag : {"--help", "-h"}) {
            SCOPED_TRACE(std::string(t.tool) + " " + flag);
            test::TempHome home(false);
            std::vector<std::string> arguments = t.before;
            arguments.push_back(flag);
            const test::ToolRun run = test::RunTool(t.tool, home, arguments);
            EXPECT_EQ(run.status, 0) << run.errors;
            EXPECT_EQ(run.output.rfind(std::string("usage: ") + t.tool, 0), 0u) << run.output;
        }
    }
}

}  // namespace
}  // namespace veltora
