// The half-mean line fits shared by the border sides and the shading correction.
#include <gtest/gtest.h>

#include <array>

#include "recognition/line_fit.h"

namespace veltora {
namespace {

using Samples = std::array<ProbeResult, 31>;

Samples OnLine(int count, double a, double b) {
    Samples s{};
    for (int i = 1; i <= count; ++i) s[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(10 * i), static_cast<std::int16_t>(a * 10 * i + b), true};
    return s;
}

TEST(RejectOutliers, NeedsSixValidSamples) {
    Samples five = OnLine(5, 0.5, 3);
    five[3].y += 40;
    const Samples before = five;
    EXPECT_FALSE(RejectOutliers(five, 30));
    for (std::size_t i = 0; i < five.size(); ++i) EXPECT_EQ(five[i].found, before[i].found);

    Samples six = OnLine(6, 0.5, 3);
    EXPECT_TRUE(RejectOutliers(six, 30));
}

TEST(RejectOutliers, DropsASampleFarFromTheLineAndKeepsTheRest) {
    Samples s = OnLine(20, 0.0, 100);
    s[7].y = 160;
    ASSERT_TRUE(RejectOutliers(s, 30));
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(s[static_cast<std::size_t>(i)].found, i != 7) << i;
}

TEST(FitHalfLine, LineThroughTheMeansOfTheHalves) {
    // Valid entries 2, 4, 6, 8: mid is the 2nd valid (index 4), counted in both halves.
    Samples s{};
    const int ys[] = {0, 0, 16, 0, 30, 0, 20, 0, 70};
    for (int i = 2; i <= 8; i += 2) s[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(i), static_cast<std::int16_t>(ys[i]), true};
    const LineRecord line = FitHalfLine(s, 30);
    ASSERT_TRUE(line.ok);
    // Half 1: (2,16), (4,30) -> (3, 23); half 2: (4,30), (6,20), (8,70) -> (6, 40).
    EXPECT_DOUBLE_EQ(line.a, (23.0 - 40.0) / (3.0 - 6.0));
    EXPECT_DOUBLE_EQ(line.b, 23.0 - line.a * 3.0);
}

TEST(FitHalfLine, VerticalSideDividesByATinyStepInsteadOfZero) {
    Samples s{};
    for (int i = 1; i <= 6; ++i) s[static_cast<std::size_t>(i)] = {50, static_cast<std::int16_t>(10 * i), true};
    const LineRecord line = FitHalfLine(s, 30);
    ASSERT_TRUE(line.ok);
    // Half 1: y 10..30 -> 20; half 2: y 30..60 -> 45.
    EXPECT_DOUBLE_EQ(line.a, (20.0 - 45.0) / 1e-10);
    EXPECT_DOUBLE_EQ(line.b, 20.0 - line.a * 50.0);
}

TEST(FitHalfLine, ZeroSlopeAndInterceptBecomeTiny) {
    const LineRecord flat = FitHalfLine(OnLine(6, 0.0, 0.0), 30);
    EXPECT_EQ(flat.a, 1e-10);
    EXPECT_EQ(flat.b, 1e-10);
}

TEST(FitHalfLine, FewerThanThreeValidSamplesFail) {
    const LineRecord line = FitHalfLine(OnLine(2, 1.0, 5.0), 30);
    EXPECT_FALSE(line.ok);
    EXPECT_EQ(line.a, 0);
    EXPECT_EQ(line.b, 0);
    EXPECT_FALSE(FitHalfLine(OnLine(30, 1.0, 5.0), 2).ok);  // only entries 1..n count
}

}  // namespace
}  // namespace veltora
