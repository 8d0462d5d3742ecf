#include "app/program_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

class ProgramFolder : public ::testing::Test {
protected:
    test::TempHome home{false};
};

TEST_F(ProgramFolder, ResolvesEveryComponentWithoutRegardToCase) {
    test::WriteBytes(home / "DaTiKa" / "Card40.DTK", "");
    test::WriteBytes(home / "sys" / "reg.cho", "");
    fs::create_directories(home / "ShiJuan");
    const struct {
        std::string_view relative;
        fs::path resolved;
    } cases[] = {
        {"datika/CARD40.dtk", "DaTiKa/Card40.DTK"},
        {"\\DATIKA\\card40.DTK", "DaTiKa/Card40.DTK"},
        {"SYS/Reg.Cho", "sys/reg.cho"},
        {"shijuan/New Paper.CHO", "ShiJuan/New Paper.CHO"},   // a file still to be created
        {"Missing/DATIKA/x", "Missing/DATIKA/x"},             // nothing matches below a miss
        {"./datika//card40.dtk", "DaTiKa/Card40.DTK"},
        {"datika/../SYS/reg.cho", "sys/reg.cho"},
        {"../../etc/passwd", "etc/passwd"},                   // never above the base
        {"/etc/passwd", "etc/passwd"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolvePath(home.Path(), c.relative), c.resolved.empty() ? home.Path() : home / c.resolved)
            << c.relative;
    }
}

TEST_F(ProgramFolder, PrefersTheExactSpellingAmongSeveralMatches) {
    fs::create_directories(home / "bmp");
    fs::create_directories(home / "Bmp");
    fs::create_directories(home / "BMP");
    EXPECT_EQ(ResolvePath(home.Path(), "Bmp"), home / "Bmp");
    EXPECT_EQ(ResolvePath(home.Path(), "bMp"), home / "BMP");  // the first in name order
}

TEST_F(ProgramFolder, CountsOrdinaryVisibleFilesOnly) {
    const fs::path folder = home / "Bmp";
    for (const char* name : {"1.jpg", "2.JPG", "3.bmp"}) test::WriteBytes(folder / name, "x");
    test::WriteBytes(folder / ".hidden", "x");
    test::WriteBytes(folder / "sub" / "inner.jpg", "x");
    fs::create_directories(folder / "empty");
    for (const std::string& written : {folder.string(), folder.string() + "/", folder.string() + "\\"}) {
        EXPECT_EQ(CountFolderEntries(written), 3) << written;
    }
    EXPECT_EQ(CountFolderEntries(home / "missing"), 0);
    EXPECT_EQ(CountFolderEntries(home / "Bmp" / "1.jpg"), 0);  // a file is no folder
}

TEST_F(ProgramFolder, CountBeyondTheDataModelIsNothing) {
    const fs::path folder = home / "many";
    fs::create_directories(folder);
    for (int i = 0; i < 32767; ++i) test::WriteBytes(folder / std::to_string(i), "");
    EXPECT_EQ(CountFolderEntries(folder), 32767);
    test::WriteBytes(folder / "one more", "");
    EXPECT_EQ(CountFolderEntries(folder), std::nullopt);
}

TEST(FindProgramFolder, CommandLineThenEnvironmentThenExecutable) {
    const char* saved = std::getenv("VELTORA_HOME");
    const std::string savedHome = saved ? saved : "";

    unsetenv("VELTORA_HOME");
    const char* plain[] = {"veltora", "--verbose"};
    char executable[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", executable, sizeof executable - 1), 0);
    EXPECT_EQ(FindProgramFolder(2, plain), fs::path(executable).parent_path());

    setenv("VELTORA_HOME", "/opt/from-env/", 1);
    EXPECT_EQ(FindProgramFolder(2, plain), "/opt/from-env");

    const struct {
        std::vector<const char*> arguments;
        fs::path folder;
    } cases[] = {
        {{"veltora", "--home", "/opt/a"}, "/opt/a"},
        {{"veltora", "--home=/opt/b/"}, "/opt/b"},
        {{"veltora", "--home=/opt/a", "--home", "/opt/c"}, "/opt/c"},  // the last one counts
        {{"veltora", "--home"}, "/opt/from-env"},                     // no folder given
        {{"veltora", "--home="}, "/opt/from-env"},
        {{"veltora", "--homely"}, "/opt/from-env"},
        {{"veltora", "--", "--home=/opt/d"}, "/opt/from-env"},        // an operand, not an option
        {{"veltora", "--home", "relative"}, fs::current_path() / "relative"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindProgramFolder(static_cast<int>(c.arguments.size()), c.arguments.data()), c.folder)
            << c.arguments.back();
    }

    if (saved) setenv("VELTORA_HOME", savedHome.c_str(), 1); else unsetenv("VELTORA_HOME");
}

}  // namespace
}  // namespace veltora
