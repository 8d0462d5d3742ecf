// Finding the printed frame.
#include <gtest/gtest.h>

#include <cmath>

#include "recognition/recogniser.h"
#include "synthetic_sheet.h"

namespace veltora {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// A 3-pixel black frame with inner edges at x = 200 and 999, y = 300 and 1299.
Raster FramedImage(int width = 1200, int height = 1600) {
    Raster image(width, height, kWhite);
    for (int y = 297; y < 1303; ++y)
        for (int x = 197; x < 1003; ++x)
            if (x < 200 || x > 999 || y < 300 || y > 1299) image.SetPixel(x, y, 0);
    return image;
}

// x of a near-vertical line at height y, y of a near-horizontal one at x.
double XAt(const LineRecord& line, double y) { return (y - line.b) / line.a; }
double YAt(const LineRecord& line, double x) { return line.a * x + line.b; }

TEST(DetectBorder, FitsTheInnerEdgesOfTheFrameOneStepOutside) {
    const Raster image = FramedImage();
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    ASSERT_TRUE(recogniser.DetectBorder());
    // The coarse points are the first dark pixels beyond the inner edges.
    EXPECT_EQ(recogniser.CoarseWidth(), 1000 - 199);
    EXPECT_EQ(recogniser.CoarseHeight(), 1300 - 299);
    // Samples are the first dark pixel beyond the inner edge, recorded one step further.
    for (int line : {1, 2}) EXPECT_NEAR(XAt(recogniser.BorderLine(line), 800), 198, 0.5) << line;
    for (int line : {3, 4}) EXPECT_NEAR(XAt(recogniser.BorderLine(line), 800), 1001, 0.5) << line;
    for (int line : {5, 6}) EXPECT_NEAR(YAt(recogniser.BorderLine(line), 600), 298, 0.5) << line;
    for (int line : {7, 8}) EXPECT_NEAR(YAt(recogniser.BorderLine(line), 600), 1301, 0.5) << line;
    // Every side was accepted at its first try: the start point did not move.
    EXPECT_EQ(recogniser.StartPoint().x, 600);  // 599.5 to the even neighbour
    EXPECT_EQ(recogniser.StartPoint().y, 800);

    ASSERT_TRUE(recogniser.LocateCorners());
    EXPECT_EQ(recogniser.CornerTL().x, 198);
    EXPECT_EQ(recogniser.CornerTL().y, 298);
    EXPECT_EQ(recogniser.CornerBR().x, 1001);
    EXPECT_EQ(recogniser.CornerBR().y, 1301);
}

TEST(DetectBorder, BlankImageHasNoFrame) {
    const Raster white(1200, 1600, kWhite);
    Recogniser recogniser;
    recogniser.BeginSheet(white);
    recogniser.CalibrateMiddleRow();
    // Outside the image reads dark: walking right, the first outside pixel is an edge
    // that continues...
    const ProbeResult right = recogniser.CoarseFind(Side::kRight, {700, 800});
    EXPECT_TRUE(right.found);
    EXPECT_EQ(right.x, 1200);
    // ...but on the left an edge at x <= 1 is never taken, and from the centre the walk
    // ends on x = 0, one step short of the outside.
    EXPECT_FALSE(recogniser.CoarseFind(Side::kLeft, {700, 800}).found);
    EXPECT_FALSE(recogniser.DetectBorder());
    EXPECT_EQ(recogniser.Stage(), RecognitionStage::kCoarseBorder);
    EXPECT_EQ(recogniser.FailedSide(), Side::kLeft);
}

TEST(DetectBorder, DarkImageHasNoBorder) {
    const Raster black(1200, 1600, 0);
    Recogniser recogniser;
    recogniser.BeginSheet(black);
    recogniser.CalibrateMiddleRow();
    EXPECT_FALSE(recogniser.DetectBorder());
    EXPECT_EQ(recogniser.Stage(), RecognitionStage::kCoarseBorder);
    EXPECT_EQ(recogniser.FailedSide(), Side::kLeft);
}

TEST(DetectBorder, ShortStrokeOnTheWalkLineIsSkipped) {
    Raster image = FramedImage();
    for (int y = 780; y < 820; ++y)
        for (int x = 400; x < 404; ++x) image.SetPixel(x, y, 0);
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    ASSERT_TRUE(recogniser.DetectBorder());
    EXPECT_EQ(recogniser.CoarsePoint(Side::kLeft).x, 199);
}

TEST(DetectBorder, TiltedFrameGivesSlopedHalfLines) {
    const Raster image = test::Photograph(FramedImage(), {.degrees = 3});
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    ASSERT_TRUE(recogniser.DetectBorder());
    const double expected = std::tan(3 * std::acos(-1.0) / 180);
    for (int line : {5, 6, 7, 8}) EXPECT_NEAR(recogniser.BorderLine(line).a, expected, 0.01) << line;
    for (int line : {1, 2, 3, 4}) EXPECT_NEAR(-1 / recogniser.BorderLine(line).a, expected, 0.01) << line;
}

}  // namespace
}  // namespace veltora
