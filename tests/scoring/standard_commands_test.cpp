#include "scoring/standard_commands.h"

#include <gtest/gtest.h>

#include "scoring_fixtures.h"

namespace veltora {
namespace {

std::string KeyAsText(std::string_view section, std::string_view key) {
    return std::string(section) + ":" + std::string(key);
}

// A parameter form that answers with fixed values, or cancels.
ParamForm FormReturning(std::array<double, kParamRows> values, bool ok, int* shown = nullptr) {
    return [=](ParamEdit& edit) {
        if (shown != nullptr) ++*shown;
        if (ok) edit.values = values;
        return ok;
    };
}

TEST(StandardLists, HoldNineDefaultAndEightQuestionEntries) {
    const auto defaults = DefaultStandardList(KeyAsText);
    ASSERT_EQ(defaults.size(), 9u);
    EXPECT_EQ(defaults[0], "biaozhundaan:PINGFENBIAOZHUN1");
    EXPECT_EQ(defaults[7], "biaozhundaan:PINGFENBIAOZHUN8");
    EXPECT_EQ(defaults[8], "biaozhundaan:DuiGeTiShePingFenBiaoZhun");
    const auto perQuestion = QuestionStandardList(KeyAsText);
    ASSERT_EQ(perQuestion.size(), 8u);
    EXPECT_EQ(perQuestion[0], "biaozhundaan:BIAOZHUN 1");
    EXPECT_EQ(perQuestion[7], "biaozhundaan:BIAOZHUN 8");
}

TEST(QuestionRemark, DescribesTheParametersOfTheStandard) {
    TestPaper paper;
    paper.scoringStandard[1] = 5;
    paper.standardParams[0][1] = 0.5;
    paper.scoringStandard[2] = 8;
    paper.standardParams[0][2] = -1;
    paper.scoringStandard[3] = 7;
    paper.standardParams[1][3] = 2;
    paper.standardParams[2][3] = 0.25;
    paper.scoringStandard[4] = 2;
    EXPECT_EQ(QuestionRemark(paper, 1, KeyAsText), "biaozhundaan:XuanCuoDaoKouFenShu0.5");
    EXPECT_EQ(QuestionRemark(paper, 2, KeyAsText), "biaozhundaan:XuanCuoHuoDuoXuanDaoKouFenZhi  -1");
    EXPECT_EQ(QuestionRemark(paper, 3, KeyAsText),
              "biaozhundaan:GeXiangFenBieZhiDingDeFenA2 B0.25 C0 D0 E0 F0 G0 H0 I0 ");
    EXPECT_EQ(QuestionRemark(paper, 4, KeyAsText), "");
    EXPECT_EQ(QuestionRemark(paper, kQuestionSlots, KeyAsText), "");
}

TEST(ChooseDefaultStandard, SetsTheDefaultAndEditsColumnZeroUnlessFilling) {
    Workspace ws;
    int shown = 0;
    const auto form = FormReturning({0.5}, true, &shown);
    ASSERT_TRUE(ChooseDefaultStandard(ws, 5, true, form));
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(ws.paper.scoringStandard[0], 5);
    EXPECT_FALSE(ws.paper.usePerQuestionStandards);
    ASSERT_TRUE(ChooseDefaultStandard(ws, 5, false, form));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ws.paper.standardParams[0][0], 0.5);
    ASSERT_TRUE(ChooseDefaultStandard(ws, 9, false, form));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(ws.paper.usePerQuestionStandards);
    EXPECT_EQ(ws.paper.scoringStandard[0], 9);
    EXPECT_FALSE(ChooseDefaultStandard(ws, 10, false, form));
    EXPECT_EQ(ws.paper.standardScoreForAll, 9);
}

TEST(EditParameters, CancelKeepsTheColumnAndOkReplacesRowsZeroToNine) {
    Workspace ws;
    ws.paper.standardParams[3][7] = 4;
    EXPECT_FALSE(EditParameters(ws, 6, 7, FormReturning({9, 9, 9}, false)));
    EXPECT_EQ(ws.paper.standardParams[3][7], 4);
    std::array<double, kParamRows> values{};
    values[9] = 1.5;
    values[10] = 8;  // the spare row is never copied
    EXPECT_TRUE(EditParameters(ws, 6, 7, FormReturning(values, true)));
    EXPECT_EQ(ws.paper.standardParams[3][7], 0);
    EXPECT_EQ(ws.paper.standardParams[9][7], 1.5);
    EXPECT_EQ(ws.paper.standardParams[10][7], 0);
}

TEST(AcceptParamTexts, ReadsOnlyThePanelOfTheStandard) {
    ParamEdit edit;
    edit.standard = 8;
    AcceptParamTexts(edit, {"1.5x", "7"});
    EXPECT_EQ(edit.values[0], 1.5);
    EXPECT_EQ(edit.values[1], 0);
    edit.standard = 6;
    AcceptParamTexts(edit, {"3", "2", "", "-.5"});
    EXPECT_EQ(edit.values[0], 1.5);
    EXPECT_EQ(edit.values[1], 2);
    EXPECT_EQ(edit.values[3], -0.5);
}

struct RangeCase {
    double from, to;
    const char* message;
    int questions;  // testTotal after an accepted command
};

class RangeChecks : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeChecks, BadRangesAreRefusedWithoutChange) {
    const RangeCase& c = GetParam();
    Workspace ws;
    ws.paper.usePerQuestionStandards = true;
    EXPECT_EQ(SetMarksForRange(ws, c.from, c.to, 2), c.message);
    EXPECT_EQ(SetStandardForRange(ws, c.from, c.to, 2, {}), c.message);
    const bool accepted = std::string(c.message).empty();
    EXPECT_EQ(ws.paper.testTotal, c.questions);
    EXPECT_EQ(ws.paperChanged, accepted);
}

// Typed numbers become question numbers (nearest, halves to even) before the checks.
INSTANTIATE_TEST_SUITE_P(
    Ranges, RangeChecks,
    ::testing::Values(RangeCase{0, 5, "tihaobunengxiaoyu0", 0},
                      RangeCase{3, -1, "tihaobunengxiaoyu0", 0},
                      RangeCase{0.5, 5, "tihaobunengxiaoyu0", 0},
                      RangeCase{1, 0.4, "tihaobunengxiaoyu0", 0},
                      RangeCase{6, 5, "zhongzhitihaobunengxiaoyuqishitihao", 0},
                      RangeCase{4.6, 4.7, "", 5},
                      RangeCase{1, 501, "zhongzhitihaobunengdayu500", 0},
                      RangeCase{1, 500.6, "zhongzhitihaobunengdayu500", 0},
                      RangeCase{1, 1e9, "zhongzhitihaobunengdayu500", 0},
                      RangeCase{1, 500.5, "", 500},
                      RangeCase{1, 500, "", 500},
                      RangeCase{2, 4, "", 4},
                      RangeCase{2.5, 3.5, "", 4}));

TEST(SetMarksForRange, TypedNumbersAreRoundedToQuestionNumbers) {
    Workspace ws;
    EXPECT_EQ(SetMarksForRange(ws, 2.5, 3.5, 2), "");  // questions 2..4
    EXPECT_EQ(ws.paper.mark[1], 0);
    EXPECT_EQ(ws.paper.mark[2], 2);
    EXPECT_EQ(ws.paper.mark[4], 2);
}

TEST(SetMarksForRange, ExtendsThePaperWithStandardOneQuestions) {
    Workspace ws;
    test::AddQuestion(ws.paper, "A", 1, 3);
    ws.paper.scoringRate[0][2] = 77;  // stale value of a former question 2
    EXPECT_EQ(SetMarksForRange(ws, 2, 3, 2.5), "");
    EXPECT_EQ(ws.paper.testTotal, 3);
    EXPECT_EQ(ws.paper.mark[1], 1);
    EXPECT_EQ(ws.paper.mark[3], 2.5);
    EXPECT_EQ(ws.paper.scoringStandard[2], 1);
    EXPECT_EQ(ws.paper.scoringRate[0][2], 0);
}

TEST(SetStandardForRange, NeedsAChosenStandardAndPerQuestionMode) {
    Workspace ws;
    EXPECT_EQ(SetStandardForRange(ws, 1, 2, 0, {}), "QingXianXuanZePingFenBiaoZhun");
    EXPECT_EQ(SetStandardForRange(ws, 1, 2, 3, {}), "JinYongYuPingFenBiaoZhunWeiGaoJiMoShi");
    EXPECT_EQ(ws.paper.testTotal, 0);
}

TEST(SetStandardForRange, StandardsFromFiveAskForParametersFirst) {
    Workspace ws;
    ws.paper.usePerQuestionStandards = true;
    test::AddQuestion(ws.paper, "A", 1, 1);
    EXPECT_EQ(SetStandardForRange(ws, 1, 3, 6, FormReturning({0, 2, 1}, false)), "");
    EXPECT_EQ(ws.paper.testTotal, 1);
    EXPECT_EQ(ws.paper.scoringStandard[1], 1);
    EXPECT_FALSE(ws.paperChanged);
    EXPECT_EQ(SetStandardForRange(ws, 1, 3, 6, FormReturning({0, 2, 1}, true)), "");
    EXPECT_EQ(ws.paper.testTotal, 3);
    for (int q = 1; q <= 3; ++q) {
        EXPECT_EQ(ws.paper.scoringStandard[q], 6);
        EXPECT_EQ(ws.paper.standardParams[1][q], 2);
        EXPECT_EQ(ws.paper.standardParams[2][q], 1);
    }
    EXPECT_TRUE(ws.paperChanged);
}

TEST(ChooseQuestionStandard, OpensTheFormOnlyForTheListsRowAboveFour) {
    Workspace ws;
    test::AddQuestion(ws.paper, "A", 1, 1);
    int shown = 0;
    const auto form = FormReturning({2}, true, &shown);
    EXPECT_TRUE(ChooseQuestionStandard(ws, 1, 4, true, form));
    EXPECT_TRUE(ChooseQuestionStandard(ws, 1, 5, false, form));
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(ChooseQuestionStandard(ws, 1, 8, true, form));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ws.paper.scoringStandard[1], 8);
    EXPECT_EQ(ws.paper.standardParams[0][1], 2);
    EXPECT_TRUE(ws.paperChanged);
    EXPECT_FALSE(ChooseQuestionStandard(ws, 2, 1, true, form));
    EXPECT_FALSE(ChooseQuestionStandard(ws, 1, 9, true, form));
}

}  // namespace
}  // namespace veltora
