#include "scoring/paper_paste.h"

#include <gtest/gtest.h>

namespace veltora {
namespace {

TEST(PasteQuestions, ReadsAnswerPointsAndStandardPerLine) {
    Workspace ws;
    ws.paper.standardParams[3][2] = 9;
    ws.paper.scoringRate[0][1] = 50;
    ASSERT_TRUE(PasteQuestions(ws, "A\t2\t1\r\nBC\t4\t9\r\nD\t1\r\n"));
    const TestPaper& p = ws.paper;
    EXPECT_EQ(p.testTotal, 3);
    EXPECT_EQ(p.correctAnswer[2], "BC");
    EXPECT_EQ(p.mark[2], 4);
    EXPECT_EQ(p.scoringStandard[1], 1);
    EXPECT_EQ(p.scoringStandard[2], 9);
    EXPECT_EQ(p.scoringStandard[3], 0);
    EXPECT_EQ(p.standardParams[3][2], 0);
    EXPECT_EQ(p.scoringRate[0][1], 0);
    EXPECT_TRUE(ws.paperChanged);
}

TEST(PasteQuestions, SingleColumnGivesNoPointsAndStandardZero) {
    Workspace ws;
    ASSERT_TRUE(PasteQuestions(ws, " A \nB"));  // the last line has no line end
    EXPECT_EQ(ws.paper.testTotal, 2);
    EXPECT_EQ(ws.paper.correctAnswer[1], "A");
    EXPECT_EQ(ws.paper.correctAnswer[2], "B");
    EXPECT_EQ(ws.paper.mark[1], 0);
    EXPECT_EQ(ws.paper.scoringStandard[2], 0);
}

TEST(PasteQuestions, TextWithoutLineFeedIsNoList) {
    Workspace ws;
    ws.paper.testTotal = 4;
    EXPECT_FALSE(PasteQuestions(ws, "A\t2\t1"));
    EXPECT_EQ(ws.paper.testTotal, 4);
    EXPECT_FALSE(ws.paperChanged);
}

TEST(PasteQuestions, ExtraCellsAndHugeNumbersStayInsideTheModel) {
    Workspace ws;
    std::string text;
    for (int i = 0; i < 600; ++i) text += "A\t1\t5\t7\r\n";
    text += "\r\n\r\n";
    ASSERT_TRUE(PasteQuestions(ws, text));
    EXPECT_EQ(ws.paper.testTotal, kMaxQuestions);
    EXPECT_EQ(ws.paper.scoringStandard[kMaxQuestions], 5);  // the fourth cell is not read
    ASSERT_TRUE(PasteQuestions(ws, "A\t1\t99999\n"));
    EXPECT_EQ(ws.paper.testTotal, 1);
    EXPECT_EQ(ws.paper.scoringStandard[1], 32767);
}

struct LinesCase {
    const char* text;
    int questions;
};

class PastedLineCount : public ::testing::TestWithParam<LinesCase> {};

// Lines are taken until what is left holds nothing but blanks.
TEST_P(PastedLineCount, StopsOnlyWhenTheRestIsBlanks) {
    Workspace ws;
    ASSERT_TRUE(PasteQuestions(ws, GetParam().text));
    EXPECT_EQ(ws.paper.testTotal, GetParam().questions) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedLineCount,
    ::testing::Values(LinesCase{"A\r\nB\r\n", 2},
                      LinesCase{"A\r\nB", 2},
                      LinesCase{"A\r\nB\r\n   ", 2},
                      LinesCase{"A\n\nB\n", 3},          // an empty row inside the list
                      LinesCase{"A\r\nB\r\n\r\n", 3},  // an empty row copied at the end
                      LinesCase{"A\nB\n \n", 3},
                      LinesCase{"A\n\t\t\n", 2},        // a row of empty cells
                      LinesCase{"\n", 1}));

}  // namespace
}  // namespace veltora
