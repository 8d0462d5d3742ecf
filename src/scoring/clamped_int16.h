#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "app/rounding.h"

namespace veltora {

// The nearest 16-bit value of a number read from a file or typed, a value beyond the
// range giving its nearest end (NaN gives 0): stored values never wrap.
inline std::int16_t ClampedInt16(double value) {
    if (std::isnan(value)) return 0;
    const double limited = std::clamp(value, double{std::numeric_limits<std::int16_t>::min()},
                                      double{std::numeric_limits<std::int16_t>::max()});
    return NearestInt16(limited).value_or(0);
}

}  // namespace veltora
