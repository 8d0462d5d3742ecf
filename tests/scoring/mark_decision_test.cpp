#include "scoring/mark_decision.h"

#include <gtest/gtest.h>

#include <vector>

#include "scoring_fixtures.h"

namespace veltora {
namespace {

// Grid levels with R = 160: R/15 = 10.67, R/12 = 13.33, R/8 = 20, R/10 = 16, R/5 = 32,
// F = 550/700, so GridMin + R*F = 185.71.
constexpr GridLevels kGrid{200, 220, 60};

// Question 1 of the four-option template lies in row 1, reference cell at column 1,
// options at columns 2..5.
void SetRow(DarknessMatrix& m, int row, std::int16_t reference, std::vector<std::int16_t> options) {
    m.Set(1, row, reference);
    for (std::size_t j = 0; j < options.size(); ++j) m.Set(2 + static_cast<int>(j), row, options[j]);
}

struct DecisionCase {
    const char* what;
    std::int16_t reference;
    std::vector<std::int16_t> options;
    const char* expected;
};

class DecisionTable : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(DecisionTable, ReadsTheFilledBubbles) {
    const DecisionCase& c = GetParam();
    Workspace ws;
    test::UseFourOptionTemplate(ws, 1);
    DarknessMatrix m;
    SetRow(m, 1, c.reference, c.options);
    EXPECT_EQ(DecideAnswer(ws.templ, 1, m, kGrid), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Questions, DecisionTable,
    ::testing::Values(
        DecisionCase{"all equally light", 200, {200, 200, 200, 200}, ""},
        DecisionCase{"one dark bubble", 200, {200, 200, 90, 200}, "C"},
        DecisionCase{"two equally dark bubbles", 200, {90, 200, 200, 90}, "AD"},
        DecisionCase{"dark reference cell alone", 90, {200, 200, 200, 200}, ""},
        DecisionCase{"dark reference cell and one dark bubble", 90, {200, 95, 200, 200}, "B"},
        // Option spread 20 is not above R/8 = 20 and the mean 196 is not below 168.
        DecisionCase{"option spread exactly R/8", 200, {200, 200, 200, 180}, ""},
        DecisionCase{"option spread just above R/8", 200, {200, 200, 200, 179}, "D"},
        // Spread 40: 162 is exactly minOpt + 40*5.5/10 and is not filled (40*0.55 would
        // come out a hair above 22 and fill it).
        DecisionCase{"fill threshold exactly reached", 180, {140, 162, 180, 180}, "A"},
        DecisionCase{"fill threshold just passed", 180, {140, 161, 180, 180}, "AB"},
        // minOpt 150 is not below minAll + spread/2 = 100 + 50.
        DecisionCase{"half spread exactly reached", 100, {150, 200, 200, 200}, ""},
        DecisionCase{"half spread just passed", 100, {150, 201, 201, 201}, "ABCD"},
        // 75 is above minOpt + 130*5.5/10 = 71.5 but darker than GridMin + R/10 = 76.
        DecisionCase{"darker than the grid's fill level", 130, {0, 75, 130, 130}, "AB"},
        // No spread among the options, but their mean is far below the grid mean.
        DecisionCase{"every option dark", 200, {100, 100, 100, 100}, "ABCD"}));

TEST(DecideAnswer, CellsOutsideTheMatrixAreNeverRead) {
    Workspace ws;
    test::UseFourOptionTemplate(ws, 3);
    ws.templ.questions[1].x = kMinCellIndex;       // reference cell would be at -21
    ws.templ.questions[2].x = kMaxCellIndex - 2;   // options run to 102
    ws.templ.questions[3] = ItemLayout{1, 4, 1, 5, static_cast<std::int16_t>(kMaxCellIndex - 3)};
    DarknessMatrix m;  // all 0: every cell would look filled
    for (int r = kMinCellIndex; r <= kMaxCellIndex; ++r) m.Set(kMinCellIndex, r, 200);
    EXPECT_EQ(DecideAnswer(ws.templ, 1, m, kGrid), "");
    EXPECT_EQ(DecideAnswer(ws.templ, 2, m, kGrid), "");
    EXPECT_EQ(DecideAnswer(ws.templ, 3, m, kGrid), "");
    EXPECT_EQ(DecideAnswer(ws.templ, 4, m, kGrid), "");  // no such question
}

TEST(DecideAnswer, ColumnLayoutReadsDownTheColumnAndTrimsReturnTexts) {
    Workspace ws;
    test::UseFourOptionTemplate(ws, 1);
    ws.templ.questions[1] = ItemLayout{1, 4, 2, 7, 3};
    ws.templ.returnTable[2][1] = " T ";
    ws.templ.returnTable[2][2] = "F";
    DarknessMatrix m;
    for (int row = 2; row <= 6; ++row) m.Set(7, row, 200);
    m.Set(7, 3, 90);
    EXPECT_EQ(DecideAnswer(ws.templ, 1, m, kGrid), "T");
}

TEST(MarkDecision, StoresAnswersScoresAndLeavesThePaddedScore) {
    Workspace ws;
    test::UseFourOptionTemplate(ws, 2);
    test::AddQuestion(ws.paper, "C", 2.5, 1);
    test::AddQuestion(ws.paper, "A", 1, 1);
    const int sheet = ws.AppendSheet("s.jpg");
    DarknessMatrix m;
    SetRow(m, 1, 200, {200, 200, 90, 200});
    SetRow(m, 2, 200, {200, 200, 200, 200});
    MarkDecision(ws, sheet, m, kGrid);
    EXPECT_EQ(ws.Answer(1, sheet), "C");
    EXPECT_EQ(ws.Answer(2, sheet), "");
    EXPECT_EQ(ws.Rec(sheet, kRecScore), "2.5");
    EXPECT_EQ(ws.lastScoreText, " 2.5");
}

TEST(MarkDecision, EmptyPaperStoresNothingAndScoresZero) {
    Workspace ws;
    test::UseFourOptionTemplate(ws, 2);
    const int sheet = ws.AppendSheet("s.jpg");
    DarknessMatrix m;
    SetRow(m, 1, 200, {90, 200, 200, 200});
    MarkDecision(ws, sheet, m, kGrid);
    EXPECT_EQ(ws.Answer(1, sheet), "");
    EXPECT_EQ(ws.Rec(sheet, kRecScore), "0");
    EXPECT_EQ(ws.lastScoreText, " 0");
}

}  // namespace
}  // namespace veltora
