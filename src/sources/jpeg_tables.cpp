#include "sources/jpeg_tables.h"

#include <algorithm>
#include <cmath>

#include "sources/jpeg_error.h"

namespace veltora::jpeg {

namespace {

constexpr std::array<std::uint8_t, 64> kNaturalOfZigZag{
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr std::array<std::uint8_t, 64> InvertOrder(const std::array<std::uint8_t, 64>& order) {
    std::array<std::uint8_t, 64> inverse{};
    for (std::uint8_t k = 0; k < 64; ++k) inverse[order[k]] = k;
    return inverse;
}

constexpr Table64 ToZigZag(const Table64& natural) {
    Table64 zigzag{};
    for (int k = 0; k < 64; ++k) zigzag[k] = natural[kNaturalOfZigZag[k]];
    return zigzag;
}

}  // namespace

const std::array<std::uint8_t, 64> kZigZagOfNatural = InvertOrder(kNaturalOfZigZag);

const Table64 kLuminanceBase = ToZigZag({
    16, 11, 10, 16, 24,  40,  51,  61,
    12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,
    14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,
    24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99});

const Table64 kChrominanceBase = ToZigZag({
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99});

const std::array<double, 8> kScaleFactors{0.353553390593273, 0.25489778955208,  0.270598050073098,
                                          0.300672443467523, 0.353553390593273, 0.449988111568207,
                                          0.653281482438186, 1.28145772387074};

Table64 ScaledTable(const Table64& base, int quality) {
    const double scale = quality >= 50 ? 200.0 - 2.0 * quality : std::nearbyint(5000.0 / quality);
    Table64 table{};
    for (int k = 0; k < 64; ++k) {
        const double value = std::nearbyint((base[k] * scale + 50.0) / 100.0);
        table[k] = static_cast<std::uint16_t>(std::clamp(value, 1.0, 255.0));
    }
    return table;
}

Divisors PrepareDivisors(const Table64& table, int precision) {
    const int largest = precision == 12 ? 65535 : 255;
    Divisors divisors{};
    for (int natural = 0; natural < 64; ++natural) {
        const int k = kZigZagOfNatural[natural];
        if (table[k] < 1 || table[k] > largest) throw JpegError(kJpegErrorInvalid, "Bad Quantization Table");
        divisors[k] = static_cast<float>(kScaleFactors[natural / 8] * kScaleFactors[natural % 8] / table[k]);
    }
    return divisors;
}

}  // namespace veltora::jpeg
