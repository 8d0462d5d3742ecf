#include "app/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace veltora {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value, nearest;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                 {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {1e300, 1e300}, {4503599627370497.0, 4503599627370497.0}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.nearest) << c.value;
}

TEST(Rounding, Int16RefusesWhatDoesNotFit) {
    EXPECT_EQ(NearestInt16(32767.4), 32767);
    EXPECT_EQ(NearestInt16(-32768.5), -32768);  // the half goes to the even -32768
    EXPECT_EQ(NearestInt16(32767.5), std::nullopt);
    EXPECT_EQ(NearestInt16(-32769), std::nullopt);
    EXPECT_EQ(NearestInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(NearestInt16(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(Rounding, Int32RefusesWhatDoesNotFit) {
    EXPECT_EQ(NearestInt32(2147483647.0), 2147483647);
    EXPECT_EQ(NearestInt32(-2147483648.4), -2147483647 - 1);
    EXPECT_EQ(NearestInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(NearestInt32(-std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(NearestInt32(-0.4), 0);
}

}  // namespace
}  // namespace veltora
