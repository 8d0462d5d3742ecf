#include "scoring/score_sheet.h"

#include <gtest/gtest.h>

#include "scoring_fixtures.h"

namespace veltora {
namespace {

class ScoreSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseFourOptionTemplate(ws, 3);
        test::AddQuestion(ws.paper, "A", 2, 1);
        test::AddQuestion(ws.paper, " bc ", 1.5, 1);
        test::AddQuestion(ws.paper, "D", 1, 5);
        test::AddQuestion(ws.paper, "A", 10, 1);  // beyond the template
        ws.paper.standardParams[0][0] = 0.25;
        ws.paper.standardParams[0][3] = 1;
        sheet = ws.AppendSheet("a.jpg");
        ws.SetAnswer(1, sheet, "A");
        ws.SetAnswer(2, sheet, "CB ");
        ws.SetAnswer(3, sheet, "DA");
        ws.SetAnswer(4, sheet, "A");
        ws.SetQuestionScore(4, sheet, 7.0f);
    }
    Workspace ws;
    int sheet = 0;
};

TEST_F(ScoreSheetTest, DefaultStandardScoresOnlyTheTemplatesQuestions) {
    ws.paper.standardScoreForAll = 1;
    EXPECT_DOUBLE_EQ(ScoreSheet(ws, sheet), 3.5);
    EXPECT_EQ(ws.QuestionScore(1, sheet), 2.0f);
    EXPECT_EQ(ws.QuestionScore(2, sheet), 1.5f);
    EXPECT_EQ(ws.QuestionScore(3, sheet), 0.0f);
    EXPECT_EQ(ws.QuestionScore(4, sheet), 7.0f);
    EXPECT_EQ(ws.Rec(sheet, kRecScore), "3.5");
}

TEST_F(ScoreSheetTest, DefaultDeductionComesFromColumnZero) {
    ws.paper.standardScoreForAll = 5;
    EXPECT_DOUBLE_EQ(ScoreSheet(ws, sheet), 3.25);
    EXPECT_EQ(ws.QuestionScore(3, sheet), -0.25f);
}

TEST_F(ScoreSheetTest, PerQuestionStandardsUseTheirOwnColumns) {
    ws.paper.standardScoreForAll = 9;
    ws.paper.usePerQuestionStandards = true;
    EXPECT_DOUBLE_EQ(ScoreSheet(ws, sheet), 2.5);
    EXPECT_EQ(ws.QuestionScore(3, sheet), -1.0f);
    EXPECT_EQ(ws.Rec(sheet, kRecScore), "2.5");
}

TEST_F(ScoreSheetTest, NegativeTotalIsStoredInTextForm) {
    ws.paper.standardScoreForAll = 5;
    ws.SetAnswer(1, sheet, "AB");
    ws.SetAnswer(2, sheet, "ABC");
    ws.paper.standardParams[0][0] = 0.125;
    EXPECT_DOUBLE_EQ(ScoreSheet(ws, sheet), -0.39);
    EXPECT_EQ(ws.Rec(sheet, kRecScore), "-0.39");
}

TEST_F(ScoreSheetTest, SheetIndexOutsideTheListScoresNothing) {
    EXPECT_EQ(ScoreSheet(ws, 0), 0);
    EXPECT_EQ(ScoreSheet(ws, kMaxSheets + 1), 0);
    EXPECT_EQ(ws.Rec(0, kRecScore), "");
}

TEST(PaperTotal, SumsTheValidQuestionsAndStoresIt) {
    TestPaper paper;
    test::AddQuestion(paper, "A", 2.5, 1);
    test::AddQuestion(paper, "B", 3, 1);
    paper.mark[3] = 100;  // stale entry beyond testTotal
    EXPECT_DOUBLE_EQ(PaperTotal(paper), 5.5);
    EXPECT_DOUBLE_EQ(paper.paperTotal, 5.5);
}

}  // namespace
}  // namespace veltora
