// Reading the examinee number from the digit groups.
#include <gtest/gtest.h>

#include <vector>

#include "recognition/examinee_number.h"

namespace veltora {
namespace {

// Digits down columns 1.., rows 0..9; return set 3 maps cell k to the digit k.
TemplateModel DigitTemplate(int digits) {
    TemplateModel m;
    m.idDigitNumber = static_cast<std::int16_t>(digits);
    m.digits.assign(static_cast<std::size_t>(digits + 2), ItemLayout{1, 10, 3, 0, 0});
    for (int d = 1; d <= digits; ++d) m.digits[static_cast<std::size_t>(d)].x = static_cast<std::int16_t>(d);
    for (int k = 1; k <= 10; ++k) m.returnTable[3][static_cast<std::size_t>(k)] = std::to_string(k - 1);
    return m;
}

// Digit d's ten cells: 240 apart from the given ones.
void SetDigit(DarknessMatrix& m, int d, const std::vector<std::pair<int, int>>& cells) {
    for (int k = 0; k < 10; ++k) m.Set(d, k, 240);
    for (const auto& [k, value] : cells) m.Set(d, k, static_cast<std::int16_t>(value));
}

TEST(ReadExamineeNumber, SecondMarkWithinASixthOfTheRangeSpoilsTheNumber) {
    const struct {
        std::vector<std::pair<int, int>> cells;
        const char* expected;
    } cases[] = {
        {{{4, 60}, {7, 89}}, "0"},   // 89 <= 60 + 180 / 6: two marks
        {{{4, 60}, {7, 90}}, "0"},   // equal to the limit still counts
        {{{4, 60}, {7, 91}}, "4"},   // one mark
        {{}, "0"},                   // no contrast
        {{{2, 40}, {5, 40}}, "0"},   // two equal marks
    };
    for (const auto& c : cases) {
        DarknessMatrix m;
        SetDigit(m, 1, c.cells);
        EXPECT_EQ(ReadExamineeNumber(m, DigitTemplate(1)), c.expected);
    }
}

TEST(ReadExamineeNumber, TenGreyLevelsAreNoContrast) {
    DarknessMatrix m;
    for (int k = 0; k < 10; ++k) m.Set(1, k, static_cast<std::int16_t>(k == 3 ? 200 : 210));
    EXPECT_EQ(ReadExamineeNumber(m, DigitTemplate(1)), "0");
    m.Set(1, 3, 199);
    EXPECT_EQ(ReadExamineeNumber(m, DigitTemplate(1)), "3");
}

TEST(ReadExamineeNumber, DigitsInOrderWithTrimmedReturnTexts) {
    DarknessMatrix m;
    SetDigit(m, 1, {{3, 50}});
    SetDigit(m, 2, {{0, 50}});
    SetDigit(m, 3, {{7, 50}});
    EXPECT_EQ(ReadExamineeNumber(m, DigitTemplate(3)), "307");

    TemplateModel padded = DigitTemplate(3);
    padded.returnTable[3][1] = "  0 ";
    EXPECT_EQ(ReadExamineeNumber(m, padded), "307");
}

TEST(ReadExamineeNumber, RowWiseDigitsRunAlongTheRow) {
    TemplateModel model = DigitTemplate(1);
    model.digits[1] = ItemLayout{0, 10, 3, -20, 100};
    DarknessMatrix m;
    for (int k = 0; k < 10; ++k) m.Set(-20 + k, 100, static_cast<std::int16_t>(k == 9 ? 30 : 220));
    EXPECT_EQ(ReadExamineeNumber(m, model), "9");
}

TEST(ReadExamineeNumber, NoDigitsGiveEmptyTextAndCellsOutsideTheMatrixGiveZero) {
    EXPECT_EQ(ReadExamineeNumber(DarknessMatrix{}, DigitTemplate(0)), "");
    TemplateModel outside = DigitTemplate(1);
    outside.digits[1].y = 95;
    EXPECT_EQ(ReadExamineeNumber(DarknessMatrix{}, outside), "0");
}

}  // namespace
}  // namespace veltora
