#pragma once
#include <cstdint>
#include <optional>

namespace veltora {

// "Nearest" throughout the program: halves go to the even neighbour.
double RoundHalfEven(double value);

// The nearest 16-bit / 32-bit integer (halves to even), or nothing when it does not fit
// (or the value is not finite): such a value is invalid input, never wrapped.
std::optional<std::int16_t> NearestInt16(double value);
std::optional<std::int32_t> NearestInt32(double value);

}  // namespace veltora
