#include "scoring/workspace.h"

#include <gtest/gtest.h>

namespace veltora {
namespace {

TEST(Workspace, StartsEmptyWithDefaultsHeld) {
    Workspace ws;
    EXPECT_EQ(ws.MarkCount(), 0);
    EXPECT_EQ(ws.paper.testTotal, 0);
    EXPECT_EQ(ws.paper.scoringStandard[0], ws.paper.standardScoreForAll);
    EXPECT_GE(ws.paper.scoreParagraphSpacing, 1);
    EXPECT_EQ(ws.Answer(1, 0), "");
    EXPECT_EQ(ws.QuestionScore(1, 0), 0.0f);
}

TEST(Workspace, SheetAccessRefusesIndicesBeyondLimits) {
    Workspace ws;
    EXPECT_FALSE(ws.SetRec(0, kRecImage, "x"));
    EXPECT_FALSE(ws.SetRec(kMaxSheets + 1, kRecImage, "x"));
    EXPECT_FALSE(ws.SetRec(1, kMarkRecFields, "x"));
    EXPECT_FALSE(ws.SetAnswer(kQuestionSlots, 1, "A"));
    EXPECT_FALSE(ws.SetQuestionScore(-1, 1, 1.0f));
    EXPECT_TRUE(ws.SetAnswer(kQuestionSlots - 1, kMaxSheets, "A"));
    EXPECT_EQ(ws.Answer(kQuestionSlots - 1, kMaxSheets), "A");
    EXPECT_EQ(ws.Rec(kMaxSheets + 1, kRecImage), "");
    EXPECT_EQ(ws.Answer(3, -5), "");
}

TEST(Workspace, AppendStopsAtTheSheetLimit) {
    Workspace ws;
    ws.SetMarkCount(kMaxSheets - 1);
    EXPECT_EQ(ws.AppendSheet("last.jpg"), kMaxSheets);
    EXPECT_EQ(ws.AppendSheet("over.jpg"), 0);
    EXPECT_EQ(ws.MarkCount(), kMaxSheets);
    EXPECT_EQ(ws.markOrder.size(), static_cast<std::size_t>(kMaxSheets) + 1);
}

TEST(Workspace, RemoveSheetMovesRecordAnswersAndPointsTogether) {
    Workspace ws;
    for (const char* name : {"a", "b", "c"}) {
        const int s = ws.AppendSheet(name);
        ws.SetAnswer(1, s, name);
        ws.SetQuestionScore(1, s, static_cast<float>(s));
    }
    ws.markOrder = {0, 3, 1, 2};
    ASSERT_TRUE(ws.RemoveSheet(2));
    EXPECT_EQ(ws.MarkCount(), 2);
    EXPECT_EQ(ws.Rec(2, kRecImage), "c");
    EXPECT_EQ(ws.Answer(1, 2), "c");
    EXPECT_EQ(ws.QuestionScore(1, 2), 3.0f);
    EXPECT_EQ(ws.Answer(1, 3), "");
    EXPECT_EQ(ws.markOrder, (std::vector<std::int16_t>{0, 2, 1}));
    EXPECT_FALSE(ws.RemoveSheet(3));
}

TEST(Workspace, AppendKeepsAnswersRecognisedBeforeTheSheetIsListed) {
    Workspace ws;
    ws.SetAnswer(1, 1, "B");
    ws.SetRec(1, kRecStatus, "stale");
    ASSERT_EQ(ws.AppendSheet("a.jpg"), 1);
    EXPECT_EQ(ws.Answer(1, 1), "B");
    EXPECT_EQ(ws.Rec(1, kRecStatus), "");
    ASSERT_TRUE(ws.RemoveSheet(1));
    ASSERT_EQ(ws.AppendSheet("b.jpg"), 1);
    EXPECT_EQ(ws.Answer(1, 1), "");  // nothing of a removed sheet comes back
    ws.SetAnswer(1, 2, "C");
    ws.DropUnlistedSheets();
    EXPECT_EQ(ws.Answer(1, 2), "");
    EXPECT_EQ(ws.Rec(1, kRecImage), "b.jpg");
}

TEST(Workspace, RosterLoadZeroesEveryQuestionScore) {
    Workspace ws;
    const int s = ws.AppendSheet("a");
    ws.SetQuestionScore(4, s, 2.5f);
    ws.roster.SetCell(1, kRosterNo, "101");
    ws.rosterCount = 1;
    ws.ResetForRosterLoad();
    EXPECT_EQ(ws.QuestionScore(4, s), 0.0f);
    EXPECT_EQ(ws.rosterCount, 0);
    EXPECT_EQ(ws.roster.Cell(1, kRosterNo), "");
}

TEST(Workspace, BlankPaperKeepsGradeThresholds) {
    Workspace ws;
    ws.paper.gradeA = 90;
    ws.paper.testTotal = 5;
    ws.BlankPaper();
    EXPECT_EQ(ws.paper.testTotal, 0);
    EXPECT_EQ(ws.paper.gradeA, 90);
}

TEST(Workspace, DeleteAllSheetsEmptiesSheetsAndResults) {
    Workspace ws;
    ws.AppendSheet("a");
    ws.SetAnswer(1, 1, "A");
    ws.results.SetCell(1, kResNo, "101");
    ws.resultCount = 1;
    ws.DeleteAllSheets();
    EXPECT_EQ(ws.MarkCount(), 0);
    EXPECT_EQ(ws.Answer(1, 1), "");
    EXPECT_EQ(ws.results.Cell(1, kResNo), "");
    EXPECT_EQ(ws.resultCount, 0);
}

TEST(TestPaperQuestions, PaperStopsAt500Questions) {
    TestPaper paper;
    EXPECT_TRUE(paper.ExtendTo(kMaxQuestions, 1));
    EXPECT_EQ(paper.testTotal, kMaxQuestions);
    EXPECT_FALSE(paper.InsertQuestion(1, 1));
    EXPECT_FALSE(paper.ExtendTo(kMaxQuestions + 1, 1));
    EXPECT_EQ(paper.testTotal, kMaxQuestions);
}

TEST(TestPaperQuestions, InsertAndDeleteMoveEveryFieldOfAQuestion) {
    TestPaper paper;
    paper.ExtendTo(2, 1);
    paper.correctAnswer[2] = "B";
    paper.mark[2] = 3;
    paper.standardParams[4][2] = 1.5;
    paper.scoringRate[0][2] = 50;
    ASSERT_TRUE(paper.InsertQuestion(1, 7));
    EXPECT_EQ(paper.scoringStandard[1], 7);
    EXPECT_EQ(paper.correctAnswer[1], "");
    EXPECT_EQ(paper.correctAnswer[3], "B");
    EXPECT_EQ(paper.mark[3], 3);
    EXPECT_EQ(paper.standardParams[4][3], 1.5);
    EXPECT_EQ(paper.scoringRate[0][3], 50);
    ASSERT_TRUE(paper.DeleteQuestion(1));
    EXPECT_EQ(paper.testTotal, 2);
    EXPECT_EQ(paper.correctAnswer[2], "B");
    EXPECT_FALSE(paper.DeleteQuestion(3));
}

TEST(TextTableLimits, WritesBeyondTheRowLimitAreRefused) {
    TextTable<kRosterColumns> table(3);
    EXPECT_TRUE(table.SetCell(3, 1, "x"));
    EXPECT_FALSE(table.SetCell(4, 1, "x"));
    EXPECT_FALSE(table.SetCell(1, kRosterColumns, "x"));
    EXPECT_TRUE(table.InsertRow(1));
    EXPECT_EQ(table.StoredRows(), 4);
    EXPECT_EQ(table.Cell(3, 1), "");
}

}  // namespace
}  // namespace veltora
