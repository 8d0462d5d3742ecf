#pragma once
// The fixed tables of the baseline JPEG writer and the quality scaling of the standard
// quantisation tables.
#include <array>
#include <cstdint>

namespace veltora::jpeg {

using Table64 = std::array<std::uint16_t, 64>;  // zig-zag order
using Divisors = std::array<float, 64>;          // zig-zag order

// Zig-zag index of natural position row * 8 + column.
extern const std::array<std::uint8_t, 64> kZigZagOfNatural;

// The standard's example tables (luminance K.1, chrominance K.2), in zig-zag order.
extern const Table64 kLuminanceBase;
extern const Table64 kChrominanceBase;

// s[k] = 1 / (2 sqrt(2) a[k]), a[0] = 1, a[k] = sqrt(2) cos(k pi / 16): the output scale of
// the fast DCT, folded into the divisors.
extern const std::array<double, 8> kScaleFactors;

// The table `base` scaled for quality 1..100 (S = 200 - 2q from 50 up, else 5000 / q),
// every entry rounded halves-to-even and clamped to 1..255.
Table64 ScaledTable(const Table64& base, int quality);

// divisor[k] = s[row] * s[column] / Q[k]. Raises JpegError 1 "Bad Quantization Table" for
// an entry outside 1..255 (1..65535 at precision 12).
Divisors PrepareDivisors(const Table64& table, int precision);

}  // namespace veltora::jpeg
