#include "app/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace veltora {
namespace {

TEST(TextToNumber, ReadsEveryForm) {
    const struct {
        std::string_view text;
        double number;
    } cases[] = {
        {"", 0},           {"abc", 0},          {"42", 42},            {"  4 2 ", 42},
        {"\t1\n2", 12},    {"-7", -7},          {"+7", 7},             {"3.25", 3.25},
        {".5", 0.5},       {"-.25", -0.25},     {"5.", 5},             {"1.2.3", 1.2},
        {"1E3", 1000},     {"1e-2", 0.01},      {"2D2", 200},          {"2d+1", 20},
        {"1E", 1},         {"1E+", 1},          {"1E5E3", 1e5},        {"12abc", 12},
        {"&H1F", 31},      {"&h1f", 31},        {"& H 10", 16},        {"&O17", 15},
        {"&o8", 0},        {"&HFFFF", 65535},   {"&HFFFFFFFF", 4294967295.0}, {"&H", 0},
        {"&X1", 0},        {"-&H10", 0},        {"&H-10", 0},          {"&O12&", 10},
        {"++1", 0},        {"-", 0},            {".", 0},              {"-.", 0},
        {"1\r2", 1},       {"87.5分", 87.5},    {"0.1", 0.1},          {"1,5", 1},
        {"1E400", 0},      {"-1E400", 0},       {"1E-400", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(TextToNumber, NegativeZeroReadsAsZero) {
    EXPECT_FALSE(std::signbit(TextToNumber("-0")));
    EXPECT_FALSE(std::signbit(TextToNumber("-0.0E5")));
}

TEST(TextToNumber, HugeInputsGiveFiniteNumbers) {
    EXPECT_EQ(TextToNumber(std::string(1'000'000, '9')), 0);  // beyond the double range
    EXPECT_EQ(TextToNumber("&H" + std::string(300, 'F')), 0);
    EXPECT_EQ(TextToNumber("1." + std::string(1'000'000, '0') + "1"), 1);
    EXPECT_EQ(TextToNumber(std::string(1'000'000, ' ') + "3"), 3);
}

TEST(TextToNumber, AnyBytesGiveAFiniteNumber) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "0123456789+-.eEdD&hHoO \t\n";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = round % 40; i > 0; --i) {
            const int b = byte(random);
            text.push_back(b < 128 ? alphabet[static_cast<std::size_t>(b) % alphabet.size()] : static_cast<char>(b));
        }
        EXPECT_TRUE(std::isfinite(TextToNumber(text))) << text;
    }
}

}  // namespace
}  // namespace veltora
