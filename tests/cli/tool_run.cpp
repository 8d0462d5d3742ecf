#include "cli/tool_run.h"

#include <sys/wait.h>

#include <cstdlib>

namespace veltora::test {
namespace {

// Single quotes for the shell, with the quotes inside escaped.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

ToolRun RunTool(const std::string& tool, const TempHome& home, const std::vector<std::string>& arguments) {
    std::string command = Quoted((AssembledHome() / tool).string()) + " --home " + Quoted(home.Path());
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " >" + Quoted((home / "stdout.txt").string()) + " 2>" + Quoted((home / "stderr.txt").string());
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(home / "stdout.txt"), ReadBytes(home / "stderr.txt")};
}

}  // namespace veltora::test
