// Line crossings and the perspective spacing law of the grid lines.
#include <gtest/gtest.h>

#include <cmath>

#include "recognition/grid_geometry.h"
#include "recognition/recogniser.h"
#include "recognition/spacing_law.h"

namespace veltora {
namespace {

TEST(IntersectLines, ParallelLinesDoNotCross) {
    const std::optional<Corner> c = IntersectLines({0.5, 1, true}, {0.5, 7, true});
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->ok);
    EXPECT_EQ(c->x, 0);
    EXPECT_EQ(c->y, 0);
}

TEST(IntersectLines, RoundsEachCoordinateOnItsOwn) {
    // They cross at (1.5, 3.25): x goes to the even 2, y to 3 (not 4.25 from x = 2).
    const std::optional<Corner> c = IntersectLines({2, 0.25, true}, {-2, 6.25, true});
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->ok);
    EXPECT_EQ(c->x, 2);
    EXPECT_EQ(c->y, 3);
}

TEST(IntersectLines, CrossingBeyond16BitCoordinatesIsRefused) {
    EXPECT_FALSE(IntersectLines({1e-10, 5, true}, {0, 1e-3 + 5, true}));
}

double CellSize(const SpacingLaw& law, int i) { return law.u + law.d1 * i + (i > law.h ? law.d2 * (i - law.h) : 0); }

TEST(SpacingLaw, UndistortedFrameIsDividedEvenly) {
    const std::optional<SpacingLaw> law = MakeSpacingLaw(300, 500, 500, 500, 10);
    ASSERT_TRUE(law);
    EXPECT_EQ(law->d1, 0);
    EXPECT_EQ(law->d2, 0);
    EXPECT_EQ(law->u, 30);
    for (int i = -3; i <= 12; ++i) EXPECT_EQ(GridLinePosition(*law, 100, i), 100 + 30 * i) << i;
}

TEST(SpacingLaw, CellsGrowWithTheExtentAcrossTheSide) {
    const struct {
        double e0, em, e1;
        int cells;
    } cases[] = {{400, 600, 800, 10}, {400, 600, 800, 11}, {500, 480, 470, 24}, {700, 800, 850, 2}};
    for (const auto& c : cases) {
        const double length = 900;
        const std::optional<SpacingLaw> law = MakeSpacingLaw(length, c.e0, c.em, c.e1, c.cells);
        ASSERT_TRUE(law);
        double total = 0;
        for (int i = 1; i <= c.cells; ++i) total += CellSize(*law, i);
        EXPECT_NEAR(total, length, 1e-9) << c.cells;
        EXPECT_NEAR(CellSize(*law, law->h), law->u * c.em / c.e0, 1e-9) << c.cells;
        EXPECT_NEAR(CellSize(*law, c.cells), law->u * c.e1 / c.e0, 1e-9) << c.cells;
    }
}

TEST(SpacingLaw, TwiceAsWideAtTheEndSpacesLinesLinearlyFurtherApart) {
    const std::optional<SpacingLaw> law = MakeSpacingLaw(1000, 400, 600, 800, 10);
    ASSERT_TRUE(law);
    EXPECT_NEAR(law->d2, 0, 1e-12);  // a straight growth needs no second slope
    EXPECT_GT(law->d1, 0);
    int previous = *GridLinePosition(*law, 0, 0), previousGap = 0;
    EXPECT_EQ(previous, 0);
    for (int i = 1; i <= 10; ++i) {
        const int position = *GridLinePosition(*law, 0, i);
        EXPECT_GE(position - previous, previousGap - 1) << i;  // growing, up to rounding
        previousGap = position - previous;
        previous = position;
    }
    EXPECT_EQ(previous, 1000);
}

TEST(SpacingLaw, HeadRowsContinueTheFirstCellsBackwards) {
    const std::optional<SpacingLaw> law = MakeSpacingLaw(1000, 400, 600, 800, 10);
    ASSERT_TRUE(law);
    EXPECT_EQ(GridLinePosition(*law, 500, -1), std::nearbyint(500 - law->u));
    EXPECT_EQ(GridLinePosition(*law, 500, -2), std::nearbyint(500 - 2 * law->u + law->d1));
}

TEST(SpacingLaw, FewerThanTwoCellsOrAZeroStartExtentIsUndefined) {
    EXPECT_FALSE(MakeSpacingLaw(100, 50, 50, 50, 1));
    EXPECT_FALSE(MakeSpacingLaw(100, 50, 50, 50, 0));
    EXPECT_FALSE(MakeSpacingLaw(100, 0, 50, 50, 10));
}

TEST(SpacingLaw, PositionBeyond16BitIsRefused) {
    const std::optional<SpacingLaw> law = MakeSpacingLaw(30000, 100, 100, 100, 2);
    ASSERT_TRUE(law);
    EXPECT_TRUE(GridLinePosition(*law, 0, 2));
    EXPECT_FALSE(GridLinePosition(*law, 0, 3));
}

}  // namespace
}  // namespace veltora
