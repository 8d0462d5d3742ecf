#pragma once
#include <array>

namespace veltora::jpeg {

// The fast forward DCT of Arai, Agui and Nakajima in floating point, on an 8x8 block in
// natural order, in place (rows, then columns). The output is scaled by 8 a[r] a[c]
// (see kScaleFactors); the quantisation divisors remove that scale.
void ForwardDct(std::array<float, 64>& block);

}  // namespace veltora::jpeg
