#include "app/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace veltora {
namespace {

struct Case {
    double value;
    std::string_view text, padded;
};

TEST(NumberText, DoubleForms) {
    const Case cases[] = {
        {87.5, "87.5", " 87.5"},
        {90, "90", " 90"},
        {0.5, "0.5", " .5"},
        {-0.25, "-0.25", "-.25"},
        {0.1 + 0.2, "0.3", " .3"},
        {0, "0", " 0"},
        {-0.0, "0", " 0"},
        {-3, "-3", "-3"},
        {1.0 / 3, "0.333333333333333", " .333333333333333"},
        {123456789012345.0, "123456789012345", " 123456789012345"},
        {1e15, "1E+15", " 1E+15"},
        {1e20, "1E+20", " 1E+20"},
        {-1.5e300, "-1.5E+300", "-1.5E+300"},
        {0.0001, "0.0001", " .0001"},
        {0.00001, "1E-05", " 1E-05"},
        {-2.5e-10, "-2.5E-10", "-2.5E-10"},
        {std::numeric_limits<double>::infinity(), "0", " 0"},
        {std::numeric_limits<double>::quiet_NaN(), "0", " 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << c.value;
        EXPECT_EQ(PaddedNumberText(c.value), c.padded) << c.value;
    }
}

TEST(NumberText, SingleFormsKeepSevenDigits) {
    const Case cases[] = {
        {87.5, "87.5", " 87.5"},
        {0.1, "0.1", " .1"},
        {-0.25, "-0.25", "-.25"},
        {1.0 / 3, "0.3333333", " .3333333"},
        {1234567, "1234567", " 1234567"},
        {12345678, "1.234568E+07", " 1.234568E+07"},
        {-0.0, "0", " 0"},
    };
    for (const Case& c : cases) {
        const auto single = static_cast<float>(c.value);
        EXPECT_EQ(NumberText(single), c.text) << c.value;
        EXPECT_EQ(PaddedNumberText(single), c.padded) << c.value;
    }
}

}  // namespace
}  // namespace veltora
