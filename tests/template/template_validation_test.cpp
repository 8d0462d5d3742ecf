#include "template/template_validation.h"

#include <gtest/gtest.h>

#include <functional>

namespace veltora {
namespace {

// Two questions across a row (reference cell at x - 1) and one digit running down.
TemplateModel UsableTemplate() {
    TemplateModel model;
    model.questionsTotal = 2;
    model.cardColumns = 10;
    model.cardRows = 8;
    model.cardHeadRows = 11;
    model.idDigitNumber = 1;
    model.returnCounts = 2;
    model.questions.assign(4, ItemLayout{0, 4, 1, 3, 2});
    model.questions[2].y = 3;
    model.questionNames.assign(4, "");
    model.digits.assign(3, ItemLayout{1, 10, 2, 3, -10});
    return model;
}

TEST(ValidateTemplate, AcceptsAUsableTemplate) {
    EXPECT_TRUE(ValidateTemplate(UsableTemplate()).empty());
}

struct BrokenCase {
    const char* name;
    std::function<void(TemplateModel&)> breakIt;
    const char* mentions;
};

class ValidateTemplateBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(ValidateTemplateBroken, ReportsTheValueOutsideTheLimits) {
    TemplateModel model = UsableTemplate();
    GetParam().breakIt(model);
    const std::vector<std::string> problems = ValidateTemplate(model);
    ASSERT_EQ(problems.size(), 1u) << ::testing::PrintToString(problems);
    EXPECT_NE(problems[0].find(GetParam().mentions), std::string::npos) << problems[0];
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ValidateTemplateBroken,
    ::testing::Values(
        BrokenCase{"ReturnSets", [](TemplateModel& m) { m.returnCounts = 22; }, "ReturnCounts is 22"},
        BrokenCase{"NegativeReturnSets", [](TemplateModel& m) { m.returnCounts = -1; }, "ReturnCounts"},
        BrokenCase{"Questions", [](TemplateModel& m) { m.questionsTotal = 501; }, "Questions_Total is 501"},
        BrokenCase{"NegativeQuestions", [](TemplateModel& m) { m.questionsTotal = -1; }, "Questions_Total"},
        BrokenCase{"Columns", [](TemplateModel& m) { m.cardColumns = 101; }, "CARD_Columns is 101"},
        BrokenCase{"OneColumn", [](TemplateModel& m) { m.cardColumns = 1; }, "CARD_Columns is 1"},
        BrokenCase{"OneRow", [](TemplateModel& m) { m.cardRows = 1; }, "CARD_Rows is 1"},
        BrokenCase{"HeadRows", [](TemplateModel& m) { m.cardHeadRows = 21; }, "CARD__Head_Rows is 21"},
        BrokenCase{"HeadAndRows", [](TemplateModel& m) { m.cardRows = 91; }, "CARD__Head_Rows + CARD_Rows is 102"},
        BrokenCase{"Digits", [](TemplateModel& m) { m.idDigitNumber = 21; }, "ID_DigitNumber is 21"},
        BrokenCase{"NegativeDigits", [](TemplateModel& m) { m.idDigitNumber = -3; }, "ID_DigitNumber"},
        BrokenCase{"QuestionReturnSet", [](TemplateModel& m) { m.questions[2].returnSet = 22; },
                   "question 2: return set is 22"},
        BrokenCase{"NegativeFills", [](TemplateModel& m) { m.questions[1].fills = -1; },
                   "question 1: number of options is -1"},
        BrokenCase{"ManyFills", [](TemplateModel& m) { m.questions[1].fills = 51; }, "number of options is 51"},
        BrokenCase{"OptionsPastTheGrid", [](TemplateModel& m) { m.questions[2].x = 98; },
                   "question 2 uses the cells (97, 3) to (101, 3)"},
        BrokenCase{"ReferenceCellBeforeTheGrid", [](TemplateModel& m) { m.questions[1].x = -20; },
                   "question 1 uses the cells (-21, 2)"},
        BrokenCase{"ReferenceCellAboveTheGrid",
                   [](TemplateModel& m) { m.questions[1] = ItemLayout{1, 4, 1, 5, -20}; },
                   "question 1 uses the cells (5, -21) to (5, -17)"},
        BrokenCase{"RowOutside", [](TemplateModel& m) { m.questions[1].y = 101; }, "question 1 uses"},
        BrokenCase{"DigitPastTheGrid", [](TemplateModel& m) { m.digits[1].y = 92; },
                   "examinee-number digit 1 uses the cells (3, 92) to (3, 101)"},
        BrokenCase{"DigitAcross", [](TemplateModel& m) { m.digits[1] = ItemLayout{0, 10, 2, 95, 1}; },
                   "(95, 1) to (104, 1)"},
        BrokenCase{"DigitReturnSet", [](TemplateModel& m) { m.digits[1].returnSet = -1; },
                   "examinee-number digit 1: return set is -1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValidateTemplate, ReportsLayoutArraysShorterThanTheirCounts) {
    TemplateModel model = UsableTemplate();
    model.questionsTotal = 400;  // the arrays still hold two questions
    const std::vector<std::string> problems = ValidateTemplate(model);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "only 2 question layouts are held for a count of 400");
}

}  // namespace
}  // namespace veltora
