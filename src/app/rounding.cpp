#include "app/rounding.h"

#include <cmath>

namespace veltora {

namespace {

// The nearest integer when it lies in [low, high], the range of `Integer`.
template <typename Integer>
std::optional<Integer> NearestIn(double value, double low, double high) {
    const double nearest = RoundHalfEven(value);
    if (!std::isfinite(nearest) || nearest < low || nearest > high) return std::nullopt;
    return static_cast<Integer>(nearest);
}

}  // namespace

double RoundHalfEven(double value) {
    // Computed rather than left to the floating-point rounding mode, which a library
    // could have changed.
    const double whole = std::trunc(value);
    if (std::fabs(value - whole) != 0.5) return std::round(value);
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + std::copysign(1.0, value);
}

std::optional<std::int16_t> NearestInt16(double value) {
    return NearestIn<std::int16_t>(value, -32768.0, 32767.0);
}

std::optional<std::int32_t> NearestInt32(double value) {
    return NearestIn<std::int32_t>(value, -2147483648.0, 2147483647.0);
}

}  // namespace veltora
