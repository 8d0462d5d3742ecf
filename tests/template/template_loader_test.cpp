#include "template/template_loader.h"

#include <gtest/gtest.h>

#include <string>

#include "app/app_context.h"
#include "app/encoding.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

// A program folder holding hand-written templates, stored as the program stores them.
class TemplateFolder {
public:
    TemplateFolder() : home_(false), context_(home_.Path()) {}

    void Write(const std::string& fileName, std::string_view utf8Lines) {
        std::string crlf;
        for (const char c : utf8Lines) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        test::WriteBytes(home_ / "DaTiKa" / fileName, Utf8ToGbk(crlf));
    }
    const AppContext& Context() const { return context_; }

private:
    test::TempHome home_;
    AppContext context_;
};

constexpr std::string_view kSmallTemplate = R"([MAIN]
Questions_Total=4
CARD_Columns=12
CARD_Rows=9
CARD__Head_Rows=3
ID_DigitNumber=2
ReturnCounts=2
[Return_1]
1=A
2=B
3= C
[Return_2]
1=0
2=1
[ID_Orientation]
default=1
[ID_Return]
default=2
[ID_X]
default=4
1=3
[ID_Y]
default=-2
[Orientation]
default=0
[OrientationY]
2=1
[Fills]
default=4
3=
2=3
[Return]
default=1
[X]
default=3
4=9
[Y]
default=2
1=2
2=3
3=4
4=5
[Name]
1=Q-one
)";

TEST(LoadTemplate, ReadsEveryValueWithDefaultsForMissingAndEmptyKeys) {
    TemplateFolder folder;
    folder.Write("Small.DTK", kSmallTemplate);
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "  Small ", model));

    EXPECT_EQ(model.questionsTotal, 4);
    EXPECT_EQ(model.cardColumns, 12);
    EXPECT_EQ(model.cardRows, 9);
    EXPECT_EQ(model.cardHeadRows, 3);
    EXPECT_EQ(model.idDigitNumber, 2);
    EXPECT_EQ(model.returnCounts, 2);
    EXPECT_EQ(model.returnTable[1][3], "C");
    EXPECT_EQ(model.returnTable[1][4], "");
    EXPECT_EQ(model.returnTable[2][2], "1");

    ASSERT_EQ(model.digits.size(), 4u);  // 0..IdDigitNumber+1
    EXPECT_EQ(model.digits[1].x, 3);
    EXPECT_EQ(model.digits[2].x, 4);
    EXPECT_EQ(model.digits[2].y, -2);
    EXPECT_EQ(model.digits[2].orientation, 1);
    EXPECT_EQ(model.digits[2].returnSet, 2);
    EXPECT_EQ(model.digits[3].x, 0);  // the extra element stays zero

    ASSERT_EQ(model.questions.size(), 6u);
    EXPECT_EQ(model.questions[1].orientation, 0);
    EXPECT_EQ(model.questions[2].orientation, 1);  // per question from "OrientationY"
    EXPECT_EQ(model.questions[2].fills, 3);
    EXPECT_EQ(model.questions[3].fills, 4);  // present but empty: the default
    EXPECT_EQ(model.questions[4].fills, 4);  // missing: the default
    EXPECT_EQ(model.questions[4].x, 9);
    EXPECT_EQ(model.questions[3].y, 4);
    EXPECT_EQ(model.questionNames[1], "Q-one");
    EXPECT_EQ(model.questionNames[2], "2");
}

TEST(LoadTemplate, MissingFileLeavesTheModelUnchanged) {
    TemplateFolder folder;
    folder.Write("Small.DTK", kSmallTemplate);
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Small", model));
    EXPECT_FALSE(LoadTemplate(folder.Context(), "Absent", model));
    EXPECT_EQ(model.questionsTotal, 4);
    EXPECT_EQ(model.questions.size(), 6u);
}

TEST(LoadTemplate, MatchesFolderAndFileNamesWithoutRegardToCase) {
    TemplateFolder folder;
    folder.Write("MixedCase.dtk", kSmallTemplate);
    TemplateModel model;
    EXPECT_TRUE(LoadTemplate(folder.Context(), "MIXEDCASE", model));
}

TEST(LoadTemplate, RefusesNamesThatLeaveTheTemplateFolder) {
    TemplateFolder folder;
    folder.Write("Small.DTK", kSmallTemplate);
    TemplateModel model;
    EXPECT_FALSE(LoadTemplate(folder.Context(), "../DaTiKa/Small", model));
    EXPECT_FALSE(LoadTemplate(folder.Context(), "sub\\Small", model));
}

TEST(LoadTemplate, NoDigitsGivesEmptyDigitArrays) {
    TemplateFolder folder;
    folder.Write("NoId.DTK", "[MAIN]\nQuestions_Total=1\n[ID_X]\ndefault=5\n1=6\n");
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "NoId", model));
    EXPECT_EQ(model.idDigitNumber, 0);
    ASSERT_EQ(model.digits.size(), 2u);
    EXPECT_EQ(model.digits[0].x, 5);
    EXPECT_EQ(model.digits[1].x, 0);
}

TEST(LoadTemplate, OrientationKeysWithoutOrientationYSectionAllTakeTheDefault) {
    TemplateFolder folder;
    folder.Write("Orient.DTK", "[MAIN]\nQuestions_Total=3\n[Orientation]\ndefault=1\n1=0\n2=0\n3=0\n");
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Orient", model));
    for (int q = 1; q <= 3; ++q) EXPECT_EQ(model.questions[q].orientation, 1) << q;
}

TEST(LoadTemplate, ReturnSetsOfAnEarlierTemplateSurviveALoadWithFewerSets) {
    TemplateFolder folder;
    folder.Write("Three.DTK", "[MAIN]\nReturnCounts=3\n[Return_1]\n1=A\n[Return_3]\n1=X\n");
    folder.Write("One.DTK", "[MAIN]\nReturnCounts=1\n[Return_1]\n1=Z\n");
    TemplateModel model;
    model.returnTable[1][51] = "kept";
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Three", model));
    ASSERT_TRUE(LoadTemplate(folder.Context(), "One", model));
    EXPECT_EQ(model.returnCounts, 1);
    EXPECT_EQ(model.returnTable[1][1], "Z");
    EXPECT_EQ(model.returnTable[3][1], "X");
    EXPECT_EQ(model.returnTable[1][51], "kept");
}

TEST(LoadTemplate, ReturnCountBeyondTheTableReadsOnlyTheTablesSets) {
    TemplateFolder folder;
    folder.Write("Many.DTK", "[MAIN]\nReturnCounts=30\n[Return_21]\n1=last\n[Return_22]\n1=beyond\n");
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Many", model));
    EXPECT_EQ(model.returnCounts, 30);
    EXPECT_EQ(model.returnTable[21][1], "last");
}

TEST(LoadTemplate, NegativeCountsGiveEmptyItemArrays) {
    TemplateFolder folder;
    folder.Write("Negative.DTK", "[MAIN]\nQuestions_Total=-5\nID_DigitNumber=-1\n");
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Negative", model));
    EXPECT_EQ(model.questionsTotal, -5);
    EXPECT_EQ(model.questions.size(), 2u);
    EXPECT_EQ(model.questionNames.size(), 2u);
    EXPECT_EQ(model.digits.size(), 2u);
}

struct IntegerCase {
    const char* text;
    std::int16_t expected;
};

class TemplateIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(TemplateIntegerTest, TakesTheNearestSixteenBitValue) {
    EXPECT_EQ(TemplateInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, TemplateIntegerTest,
                         ::testing::Values(IntegerCase{"12.5", 12}, IntegerCase{"13.5", 14},
                                           IntegerCase{"-2.5", -2}, IntegerCase{"", 0},
                                           IntegerCase{"abc", 0}, IntegerCase{" 7 ", 7},
                                           IntegerCase{"32767", 32767}, IntegerCase{"40000", 32767},
                                           IntegerCase{"-40000", -32768}, IntegerCase{"1E300", 32767}));

TEST(LoadTemplate, QuestionsTotalIsRoundedHalfToEven) {
    TemplateFolder folder;
    folder.Write("Half.DTK", "[MAIN]\nQuestions_Total=12.5\n");
    folder.Write("Odd.DTK", "[MAIN]\nQuestions_Total=13.5\n");
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Half", model));
    EXPECT_EQ(model.questionsTotal, 12);
    ASSERT_TRUE(LoadTemplate(folder.Context(), "Odd", model));
    EXPECT_EQ(model.questionsTotal, 14);
    EXPECT_EQ(model.questions.size(), 16u);
}

}  // namespace
}  // namespace veltora
