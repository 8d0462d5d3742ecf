#include "workflow/roster_commands.h"

#include <gtest/gtest.h>

#include "workflow/file_command_test.h"
#include "workflow/file_command_keys.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class RosterCommandsTest : public test::FileCommandTest {
protected:
    RosterCommandsTest() : FileCommandTest(kRosterFolder) {
        WriteBytes(folder / "ClassA.TXT", "\"1\",\"Ann\",\"2\",\"\"\r\n\"2\",\"Bo\",\"\",\"\"\r\n");
        rosters.entries.push_back("ClassA.TXT");
    }
    void SetRow(int r, const char* no, const char* name) {
        ws.roster.SetCell(r, kRosterNo, no);
        ws.roster.SetCell(r, kRosterName, name);
        ws.rosterCount = static_cast<std::int16_t>(r);
    }

    FileList& rosters = list;
};

TEST_F(RosterCommandsTest, ChoosingReadsTheFileOrEmptiesTheRoster) {
    ws.AppendSheet("s.jpg");
    ws.SetQuestionScore(1, 1, 3.0f);
    ASSERT_TRUE(ChooseRoster(ws, ctx, rosters, 1));
    EXPECT_EQ(ws.rosterCount, 2);
    EXPECT_EQ(ws.roster.Cell(2, kRosterName), "Bo");
    EXPECT_EQ(ws.QuestionScore(1, 1), 0.0f);  // to be scored again

    ASSERT_TRUE(ChooseRoster(ws, ctx, rosters, 0));
    EXPECT_EQ(ws.rosterCount, 0);
    EXPECT_EQ(ws.resultCount, 0);
}

TEST_F(RosterCommandsTest, AVanishedFileKeepsTheRosterShown) {
    ASSERT_TRUE(ChooseRoster(ws, ctx, rosters, 1));
    rosters.entries.push_back("gone.txt");
    EXPECT_FALSE(ChooseRoster(ws, ctx, rosters, 2));
    EXPECT_EQ(ws.rosterCount, 2);
    EXPECT_FALSE(ChooseRoster(ws, ctx, rosters, 7));
}

TEST_F(RosterCommandsTest, SaveWithBlankDocumentSavesAsAndReadsTheNewFileBack) {
    SetRow(1, " 9 ", "Cy");
    ws.rosterChanged = true;
    host.texts = {std::string(" class b ")};
    EXPECT_EQ(SaveRoster(ws, ctx, rosters, host), kFileSavedKey);
    EXPECT_EQ(rosters.SelectedEntry(), "class b.txt");
    EXPECT_EQ(ws.roster.Cell(1, kRosterNo), "9");  // read back from the file
    EXPECT_FALSE(ws.rosterChanged);
}

TEST_F(RosterCommandsTest, SaveWritesTheSelectedFile) {
    ASSERT_TRUE(ChooseRoster(ws, ctx, rosters, 1));
    SetRow(3, "3", "Di");
    ws.rosterChanged = true;
    EXPECT_EQ(SaveRoster(ws, ctx, rosters, host), kFileSavedKey);
    EXPECT_NE(ReadBytes(folder / "ClassA.TXT").find("\"3\",\"Di\""), std::string::npos);
    EXPECT_FALSE(ws.rosterChanged);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(RosterCommandsTest, SaveAsAnExistingNameAsksBeforeReplacingIt) {
    SetRow(1, "5", "Ed");
    host.texts = {std::string("classa")};
    host.answers = {false};
    EXPECT_EQ(SaveRosterAs(ws, ctx, rosters, host), "");
    EXPECT_NE(ReadBytes(folder / "ClassA.TXT").find("Ann"), std::string::npos);

    host.texts = {std::string("classa")};
    host.answers = {true};
    EXPECT_EQ(SaveRosterAs(ws, ctx, rosters, host), kFileSavedKey);
    EXPECT_NE(ReadBytes(folder / "ClassA.TXT").find("Ed"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "classa.txt"));  // the stored file, not a second one
    EXPECT_EQ(rosters.entries.size(), 2u);
    EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(RosterCommandsTest, SaveAsRefusesBadNamesAndReportsAFailedWrite) {
    for (const char* name : {"a.b", "x\\y", "c:d", "e/f"}) {
        host.texts = {std::string(name)};
        EXPECT_EQ(SaveRosterAs(ws, ctx, rosters, host), kBadFileNameKey) << name;
    }
    host.texts = {std::nullopt};
    EXPECT_EQ(SaveRosterAs(ws, ctx, rosters, host), "");

    fs::remove_all(folder);
    WriteBytes(folder, "a file where the folder should be");
    ws.rosterChanged = true;
    host.texts = {std::string("new")};
    EXPECT_EQ(SaveRosterAs(ws, ctx, rosters, host), kSaveFailedKey);
    EXPECT_TRUE(ws.rosterChanged);
    EXPECT_EQ(rosters.entries.size(), 2u);
}

TEST_F(RosterCommandsTest, DeleteAsksRemovesTheFileAndChoosesTheBlankDocument) {
    EXPECT_EQ(DeleteRoster(ws, ctx, rosters, host), "");  // "Blank document" selected
    EXPECT_TRUE(host.questions.empty());

    ASSERT_TRUE(ChooseRoster(ws, ctx, rosters, 1));
    host.answers = {false};
    EXPECT_EQ(DeleteRoster(ws, ctx, rosters, host), "");
    EXPECT_TRUE(fs::exists(folder / "ClassA.TXT"));

    host.answers = {true};
    EXPECT_EQ(DeleteRoster(ws, ctx, rosters, host), "");
    EXPECT_FALSE(fs::exists(folder / "ClassA.TXT"));
    EXPECT_EQ(rosters.entries, std::vector<std::string>{std::string(kBlankDocument)});
    EXPECT_EQ(rosters.selected, 0);
    EXPECT_EQ(ws.rosterCount, 0);
    EXPECT_EQ(DeleteRoster(ws, ctx, rosters, host), kLastEntryKey);
}

}  // namespace
}  // namespace veltora
