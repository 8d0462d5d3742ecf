#include "files/file_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/profile.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

using test::TempHome;
using test::WriteBytes;
using Entries = std::vector<std::string>;

class FileListsTest : public testing::Test {
protected:
    FileListsTest() {
        for (const char* name : {"ShiJuan/b.CHO", "ShiJuan/A.cho", "ShiJuan/a.CHO", "ShiJuan/notes.txt", "ShiJuan/C.CHO",
                                 "MingCe/class2.TXT", "MingCe/Class1.txt", "DaTiKa/std.DTK", "DaTiKa/.DTK",
                                 "DaTiKa/big.dtk", "ChengJi/run1.CHO", "ChengJi/run1.DAN"}) {
            WriteBytes(home / name, "");
        }
        std::filesystem::create_directories(home / "sys");
        std::filesystem::create_directories(home / "ShiJuan" / "sub.CHO");  // a folder is no file
    }
    void Remember(const char* file, const char* key, const char* value) {
        ASSERT_TRUE(WriteProfile("USER", key, value, home / "sys" / file));
    }

    TempHome home{false};
    AppContext ctx{home.Path()};
};

TEST_F(FileListsTest, ListsByNameIgnoringCaseWithTheBlankEntryFirst) {
    const FileLists lists = FillFileLists(ctx);
    EXPECT_EQ(lists.papers.entries, (Entries{"Blank document", "A.cho", "a.CHO", "b.CHO", "C.CHO"}));
    EXPECT_EQ(lists.rosters.entries, (Entries{"Blank document", "Class1.txt", "class2.TXT"}));
    EXPECT_EQ(lists.templates.entries, (Entries{".DTK", "big", "std"}));
    EXPECT_EQ(lists.scoreSets.entries, (Entries{"Blank document", "run1.CHO"}));
    EXPECT_EQ(lists.templates.selected, -1);
    EXPECT_EQ(lists.scoreSets.selected, 0);
}

TEST_F(FileListsTest, FirstStartTakesThePositionsFromTheDefaultSettings) {
    Remember("sys.cho", "SHIJUAN", "2");
    Remember("sys.cho", "MINGCE", "1");
    const FileLists lists = FillFileLists(ctx);
    EXPECT_EQ(lists.papers.SelectedEntry(), "a.CHO");
    EXPECT_EQ(lists.rosters.SelectedEntry(), "Class1.txt");
}

TEST_F(FileListsTest, MissingRosterPositionSelectsTheBlankDocument) {
    Remember("reg.cho", "SHIJUAN", "3");
    Remember("sys.cho", "MINGCE", "2");  // not consulted: the user file has a paper position
    const FileLists lists = FillFileLists(ctx);
    EXPECT_EQ(lists.papers.selected, 3);
    EXPECT_EQ(lists.rosters.selected, 0);
}

TEST_F(FileListsTest, PositionsThatNameNoEntrySelectNothing) {
    struct Case {
        const char* value;
        int expected;
    };
    // The roster list holds 3 entries; halves go to the even position.
    for (const Case& c : {Case{"3", -1}, Case{"2.6", -1}, Case{"-1", -1}, Case{"1e9", -1}, Case{"2.5", 2},
                          Case{"1.5", 2}, Case{"junk", 0}}) {
        Remember("reg.cho", "SHIJUAN", "1");
        Remember("reg.cho", "MINGCE", c.value);
        EXPECT_EQ(FillFileLists(ctx).rosters.selected, c.expected) << c.value;
    }
}

TEST_F(FileListsTest, SavedPositionsComeBackAndBlankFallsBackToTheDefaults) {
    FileLists lists = FillFileLists(ctx);
    lists.papers.selected = 4;
    lists.rosters.selected = 2;
    ASSERT_TRUE(SaveListPositions(ctx, lists));
    EXPECT_EQ(FillFileLists(ctx).papers.selected, 4);
    EXPECT_EQ(FillFileLists(ctx).rosters.selected, 2);

    Remember("sys.cho", "SHIJUAN", "1");
    lists.papers.selected = 0;
    lists.rosters.selected = 0;
    ASSERT_TRUE(SaveListPositions(ctx, lists));
    EXPECT_EQ(ReadProfile("USER", "SHIJUAN", ctx.RegFile()), "0");
    EXPECT_EQ(FillFileLists(ctx).papers.selected, 1);
}

TEST(FileList, RemovingAnEntrySelectsTheFirst) {
    FileList list{{"Blank document", "a.txt", "b.txt"}, 2};
    EXPECT_TRUE(list.RemoveAndSelectFirst(2));
    EXPECT_EQ(list.entries, (Entries{"Blank document", "a.txt"}));
    EXPECT_EQ(list.selected, 0);
    EXPECT_FALSE(list.RemoveAndSelectFirst(5));
}

}  // namespace
}  // namespace veltora
