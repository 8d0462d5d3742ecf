// Grey levels, the sample step, the middle-row calibration and the edge probe.
#include <gtest/gtest.h>

#include <vector>

#include "app/rounding.h"
#include "recognition/grey_level.h"
#include "recognition/recogniser.h"

namespace veltora {
namespace {

constexpr std::uint32_t Grey(int level) { return static_cast<std::uint32_t>(level) * 0x010101u; }

TEST(GreyOf, WeighsTheChannelsAndReadsOutsideAsDark) {
    const struct {
        std::int32_t colour;
        int grey;
    } cases[] = {{0, 0}, {0xFFFFFF, 255}, {-1, 28}, {0xFF, 76}, {0xFF00, 150}, {0xFF0000, 29}, {0x808080, 128}};
    for (const auto& c : cases) EXPECT_EQ(GreyOf(c.colour), c.grey) << std::hex << c.colour;
}

TEST(GreyOf, FastPathAgreesWithTheFormulaForEveryImageColour) {
    int mismatches = 0;
    for (std::int32_t colour = 0; colour <= 0xFFFFFF; ++colour) mismatches += GreyOf(colour) != GreyOfSigned(colour);
    EXPECT_EQ(mismatches, 0);
}

TEST(NearestInteger, RoundsHalvesToEvenLikeTheProgramWideHelper) {
    for (const double value : {0.0, 0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 2.4999999, 2.5000001, -7.7, 7.7, 32767.5,
                               -32768.5, 1e9 + 0.5, -1e9 - 1.5, 0.49999999999999994})
        EXPECT_EQ(static_cast<double>(NearestInteger(value)), RoundHalfEven(value)) << value;
}

TEST(SampleStep, IsTheNearestThousandthOfTheWidthWithHalvesToEven) {
    const struct {
        int width, step;
    } cases[] = {{1499, 1}, {1500, 2}, {2500, 2}, {3500, 4}, {400, 1}, {1, 1}, {32767, 33}};
    for (const auto& c : cases) EXPECT_EQ(SampleStepFor(c.width), c.step) << c.width;
}

TEST(CalibrateMiddleRow, UniformRowHasNoEdgeUnlessTheLastSampleFallsOutside) {
    // 1501 / 2 = 750.5 samples: the last one at x = 1500 is inside; at 1500 wide it is not.
    const Raster inside(1501, 9, Grey(200));
    Recogniser recogniser;
    recogniser.BeginSheet(inside);
    recogniser.CalibrateMiddleRow();
    EXPECT_EQ(recogniser.SampleStep(), 2);
    EXPECT_EQ(recogniser.EdgeStrength(), 0);
    EXPECT_EQ(recogniser.BrightestGrey(), 200);
    EXPECT_EQ(recogniser.DarkestGrey(), 200);

    const Raster multiple(1500, 9, Grey(200));
    recogniser.BeginSheet(multiple);
    recogniser.CalibrateMiddleRow();
    EXPECT_EQ(recogniser.EdgeStrength(), 200 - 28);
    EXPECT_EQ(recogniser.DarkestGrey(), 28);
}

TEST(CalibrateMiddleRow, TakesTheLargestFallToTheRightOnTheMiddleRow) {
    Raster image(1501, 4, Grey(255));
    for (int x = 0; x < 1501; ++x) image.SetPixel(x, 2, Grey(x < 700 ? 230 : x < 900 ? 150 : 170));
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    EXPECT_EQ(recogniser.EdgeStrength(), 80);
    EXPECT_EQ(recogniser.BrightestGrey(), 230);
    EXPECT_EQ(recogniser.DarkestGrey(), 150);
}

// Row 0 carries the probed greys; the middle row (y = 2) fixes EdgeStrength = 24, so k = 2
// and the margins are more than 2, 3 and 6 over one, two and three steps.
class EdgeProbeTest : public ::testing::Test {
protected:
    ProbeResult ProbeRow(const std::vector<int>& greys, int n) {
        image_ = Raster(1501, 4, Grey(255));
        for (int x = 0; x < 1501; ++x) image_.SetPixel(x, 2, Grey(x < 100 ? 200 : 176));
        for (std::size_t x = 0; x < greys.size(); ++x) image_.SetPixel(static_cast<int>(x), 0, Grey(greys[x]));
        recogniser_.BeginSheet(image_);
        recogniser_.CalibrateMiddleRow();
        return recogniser_.EdgeProbe({0, 0}, 1, 0, n);
    }
    Raster image_;
    Recogniser recogniser_;
};

TEST_F(EdgeProbeTest, MarginsGrowOverOneTwoAndThreeSteps) {
    const struct {
        std::vector<int> greys;  // P0, P1, P2, P3
        bool found;
    } cases[] = {
        {{255, 255, 102, 100}, false}, {{255, 255, 103, 100}, true},  // one step back: k
        {{255, 103, 255, 100}, false}, {{255, 104, 255, 100}, true},  // two steps: k + 1
        {{106, 255, 255, 100}, false}, {{107, 255, 255, 100}, true},  // three steps: k + 4
    };
    for (const auto& c : cases) {
        std::vector<int> greys = c.greys;
        greys.resize(10, 100);  // no further falls
        const ProbeResult r = ProbeRow(greys, 8);
        EXPECT_EQ(r.found, c.found) << c.greys[0] << " " << c.greys[1] << " " << c.greys[2];
        if (c.found) {
            EXPECT_EQ(r.x, 3);
        }
    }
}

TEST_F(EdgeProbeTest, FewerThanThreeStepsNeverFindAnything) {
    const ProbeResult r = ProbeRow({255, 255, 0, 0}, 2);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.x, 2);
    EXPECT_EQ(r.y, 0);
}

TEST_F(EdgeProbeTest, UniformMiddleRowCountsAnyFallAsAnEdge) {
    image_ = Raster(1501, 4, Grey(200));
    for (int x = 0; x < 10; ++x) image_.SetPixel(x, 0, Grey(x < 5 ? 200 : 195));
    recogniser_.BeginSheet(image_);
    recogniser_.CalibrateMiddleRow();
    ASSERT_EQ(recogniser_.EdgeStrength(), 0);
    const ProbeResult r = recogniser_.EdgeProbe({0, 0}, 1, 0, 9);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.x, 5);
}

TEST(EdgeProbe, LeavingTheImageAcrossAWhiteMarginFindsTheFirstOutsidePixel) {
    const Raster white(300, 300, Grey(255));
    Recogniser recogniser;
    recogniser.BeginSheet(white);
    recogniser.CalibrateMiddleRow();
    const ProbeResult right = recogniser.EdgeProbe({280, 150}, 1, 0, 50);
    EXPECT_TRUE(right.found);
    EXPECT_EQ(right.x, 300);
    const ProbeResult up = recogniser.EdgeProbe({150, 10}, 0, -1, 50);
    EXPECT_TRUE(up.found);
    EXPECT_EQ(up.y, -1);
}

TEST(FollowEdge, ConfirmsAContinuingBorderAndRejectsAShortStroke) {
    Raster image(400, 400, Grey(255));
    for (int y = 0; y < 400; ++y) image.SetPixel(50, y, 0);       // long border line
    for (int y = 190; y < 210; ++y) image.SetPixel(120, y, 0);    // short stroke
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    // Down the left border: back off 5 to the right, probe left.
    EXPECT_TRUE(recogniser.FollowEdge({50, 100}, 0, 1, 30, 5, 0).found);
    EXPECT_FALSE(recogniser.FollowEdge({120, 195}, 0, 1, 30, 5, 0).found);
    // The coarse walk skips the stroke and settles on the border.
    const ProbeResult left = recogniser.CoarseFind(Side::kLeft, {200, 200});
    EXPECT_TRUE(left.found);
    EXPECT_EQ(left.x, 50);
}

TEST(CoarseFind, WalkWithoutASingleStepFindsNothing) {
    // 4000 wide gives s = 4, and 3 high a vertical walk of Int(3 / 2 / 4) = 0 steps: such a
    // walk could never leave its start point.
    const Raster flat(4000, 3, Grey(255));
    Recogniser recogniser;
    recogniser.BeginSheet(flat);
    recogniser.CalibrateMiddleRow();
    for (const Side side : {Side::kTop, Side::kBottom}) EXPECT_FALSE(recogniser.CoarseFind(side, {2000, 1}).found);
}

TEST(FollowEdge, PointBeyond16BitCoordinatesMarksTheSheetOutOfRange) {
    const Raster image(400, 400, Grey(255));
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    ASSERT_FALSE(recogniser.ValueOutOfRange());
    recogniser.FollowEdge({32760, 100}, 0, 1, 30, 20, 0);
    EXPECT_TRUE(recogniser.ValueOutOfRange());
    recogniser.BeginSheet(image);  // every sheet starts in range
    EXPECT_FALSE(recogniser.ValueOutOfRange());
}

}  // namespace
}  // namespace veltora
