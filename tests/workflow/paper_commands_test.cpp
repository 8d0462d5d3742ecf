#include "workflow/paper_commands.h"

#include <gtest/gtest.h>

#include "scoring/paper_file.h"
#include "workflow/file_command_test.h"

namespace veltora {
namespace {

class PaperCommandsTest : public test::FileCommandTest {
protected:
    PaperCommandsTest() : FileCommandTest(kPaperFolder) {
        ws.paper.ExtendTo(2, 1);
        ws.paper.correctAnswer[1] = "AB";
        ws.paper.gradeA = 88;
    }
    FileList& papers = list;
};

TEST_F(PaperCommandsTest, SaveWithBlankDocumentSavesAsANewEntryAndReadsItBack) {
    host.texts = {std::string(" unit1 ")};
    ws.paperChanged = true;
    EXPECT_EQ(SavePaper(ws, ctx, papers, host), "WENJIANYIBAOCUN");
    EXPECT_TRUE(std::filesystem::exists(folder / "unit1.CHO"));
    ASSERT_EQ(papers.entries.size(), 2u);
    EXPECT_EQ(papers.selected, 1);
    EXPECT_EQ(ws.paper.testTotal, 2);
    EXPECT_EQ(ws.paper.correctAnswer[1], "AB");
    EXPECT_FALSE(ws.paperChanged);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(PaperCommandsTest, SaveAsRefusesNamesThatAreNoPlainName) {
    for (const char* name : {"a.b", "x\\y", "c:d", "e/f"}) {
        host.texts = {std::string(name)};
        EXPECT_EQ(SavePaperAs(ws, ctx, papers, host), "WENJIANMINGCHUCUO") << name;
    }
    host.texts = {std::string("   ")};
    EXPECT_EQ(SavePaperAs(ws, ctx, papers, host), "");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(PaperCommandsTest, SaveAsAsksBeforeOverwritingAnExistingName) {
    test::WriteBytes(folder / "Old.cho", "[MAIN]\r\nTestTotal=7\r\n");
    papers.entries.push_back("Old.cho");
    host.texts = {std::string("OLD")};
    host.answers = {false};
    EXPECT_EQ(SavePaperAs(ws, ctx, papers, host), "");
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(test::ReadBytes(folder / "Old.cho"), "[MAIN]\r\nTestTotal=7\r\n");
    host.texts = {std::string("OLD")};
    host.answers = {true};
    EXPECT_EQ(SavePaperAs(ws, ctx, papers, host), "WENJIANYIBAOCUN");
    TestPaper back;
    ReadPaper(back, folder / "Old.cho");
    EXPECT_EQ(back.testTotal, 2);
    EXPECT_EQ(papers.entries.size(), 2u);  // no second entry for the same file
}

TEST_F(PaperCommandsTest, ChoosingBlankDocumentKeepsTheGradeThresholds) {
    ASSERT_TRUE(ChoosePaper(ws, ctx, papers, 0));
    EXPECT_EQ(ws.paper.testTotal, 0);
    EXPECT_EQ(ws.paper.gradeA, 88);
    EXPECT_FALSE(ChoosePaper(ws, ctx, papers, 5));
}

TEST_F(PaperCommandsTest, DeleteAsksAndFallsBackToBlankDocument) {
    EXPECT_EQ(DeletePaper(ws, ctx, papers, host), "ZUIHOUYITIAOJILUBUNENGSHANCHU");
    test::WriteBytes(folder / "gone.CHO", "[MAIN]\r\nTestTotal=1\r\n");
    papers.entries.push_back("gone.CHO");
    ASSERT_TRUE(ChoosePaper(ws, ctx, papers, 1));
    host.answers = {false};
    EXPECT_EQ(DeletePaper(ws, ctx, papers, host), "");
    EXPECT_TRUE(std::filesystem::exists(folder / "gone.CHO"));
    host.answers = {true};
    EXPECT_EQ(DeletePaper(ws, ctx, papers, host), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "gone.CHO"));
    EXPECT_EQ(papers.entries.size(), 1u);
    EXPECT_EQ(papers.selected, 0);
    EXPECT_EQ(ws.paper.testTotal, 0);
}

TEST_F(PaperCommandsTest, PasteWithoutALineShowsTheHint) {
    EXPECT_FALSE(PastePaperQuestions(ws, ctx, "A\t1", host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(PastePaperQuestions(ws, ctx, "A\t1\nB\t2\n", host));
    EXPECT_EQ(ws.paper.testTotal, 2);
}

TEST_F(PaperCommandsTest, HandOffPaperIsTakenOnceAndDeleted) {
    const auto file = home / "handoff" / "tg_key.txt";
    test::WriteBytes(file, "[MAIN]\r\nTestTotal=1\r\n[CorrectAnswer]\r\n1=C\r\n");
    papers.entries.push_back("x.CHO");
    papers.selected = 1;
    ASSERT_TRUE(TakeHandOffPaper(ws, papers, file));
    EXPECT_EQ(papers.selected, 0);
    EXPECT_EQ(ws.paper.testTotal, 1);
    EXPECT_EQ(ws.paper.correctAnswer[1], "C");
    EXPECT_EQ(ws.paper.paperName, "tg_key.txt");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(TakeHandOffPaper(ws, papers, file));
}

TEST(HandOffFile, EnvironmentNamesAnotherPath) {
    ::setenv("VELTORA_HANDOFF", "/tmp/elsewhere.txt", 1);
    EXPECT_EQ(HandOffFile(), std::filesystem::path("/tmp/elsewhere.txt"));
    ::unsetenv("VELTORA_HANDOFF");
    const char* home = std::getenv("HOME");
    if (home != nullptr) {
        EXPECT_EQ(HandOffFile(), std::filesystem::path(home) / "tg_key.txt");
    }
}

}  // namespace
}  // namespace veltora
