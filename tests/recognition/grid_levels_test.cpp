// Shading correction and the reference levels of the answer grid.
#include <gtest/gtest.h>

#include "recognition/grid_levels.h"

namespace veltora {
namespace {

DarknessMatrix Filled(int rows, int columns, int (*level)(int column, int row)) {
    DarknessMatrix m;
    for (int row = -5; row <= rows + 2; ++row)
        for (int column = -2; column <= columns + 2; ++column) m.Set(column, row, static_cast<std::int16_t>(level(column, row)));
    return m;
}

TEST(FlattenShading, BringsEachHalfToTheLevelOfItsInnerRow) {
    // Light growing by 2 per row; one dark cell per row.
    DarknessMatrix m = Filled(10, 8, [](int column, int row) { return column == row % 8 + 1 ? 60 : 150 + 2 * row; });
    ASSERT_TRUE(FlattenShading(m, 10, 8));
    for (int row = 1; row <= 10; ++row) {
        const int paper = row <= 5 ? 160 : 162;  // rows 1..5 to row 5's level, 6..10 to row 6's
        const int ink = row <= 5 ? 60 + 10 - 2 * row : 60 + 12 - 2 * row;
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(m.At(column, row), column == row % 8 + 1 ? ink : paper) << column << "," << row;
    }
    EXPECT_EQ(m.At(3, 0), 150);  // head rows are left alone
    EXPECT_EQ(m.At(3, -4), 150 - 8);
}

TEST(FlattenShading, NegativeTrendsAreFloored) {
    // Brightest per row 200, 200, 199, 199 in the upper half: slope -4/9; floor(-4/9) = -1.
    DarknessMatrix m = Filled(8, 4, [](int, int row) { return row == 3 || row == 4 ? 199 : 200; });
    ASSERT_TRUE(FlattenShading(m, 8, 4));
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(m.At(2, row), 199) << row;
    for (int row = 5; row <= 8; ++row) EXPECT_EQ(m.At(2, row), 200) << row;
}

TEST(FlattenShading, HalvesOfOneRowAreNotCorrected) {
    DarknessMatrix m = Filled(2, 2, [](int column, int row) { return 100 + 10 * row + column; });
    const DarknessMatrix before = m;
    ASSERT_TRUE(FlattenShading(m, 2, 2));
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 2; ++column) EXPECT_EQ(m.At(column, row), before.At(column, row));
}

TEST(FlattenShading, CorrectionBeyond16BitsFails) {
    // Brightest cells -32768, 0, 32767 down the upper half: a slope near 32768 per row,
    // whose level 3 * slope does not fit 16 bits.
    DarknessMatrix m = Filled(6, 2, [](int, int row) { return row == 1 ? -32768 : row == 2 ? 0 : row == 3 ? 32767 : 100; });
    EXPECT_FALSE(FlattenShading(m, 6, 2));
}

TEST(GridStatistics, MeanDividesByRowsPlusOneTimesColumnsPlusOne) {
    const DarknessMatrix m = Filled(10, 10, [](int column, int row) { return row >= 1 && column >= 1 && row <= 10 && column <= 10 ? 200 : 0; });
    const GridLevels levels = GridStatistics(m, 10, 10);
    EXPECT_EQ(levels.mean, 165);  // 20000 / 121 = 165.29
    EXPECT_EQ(levels.max, 200);
    EXPECT_EQ(levels.min, 200);
}

TEST(GridStatistics, MaxAndMinOverTheAnswerGridOnly) {
    DarknessMatrix m = Filled(4, 4, [](int column, int) { return 100 + column; });
    m.Set(0, 2, 5);
    m.Set(2, 0, 250);
    const GridLevels levels = GridStatistics(m, 4, 4);
    EXPECT_EQ(levels.max, 104);
    EXPECT_EQ(levels.min, 101);
    EXPECT_EQ(levels.mean, 66);  // 4 * (101 + 102 + 103 + 104) / 25 = 65.6
}

}  // namespace
}  // namespace veltora
