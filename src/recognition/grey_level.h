#pragma once
// The grey level recognition judges every pixel by.
#include <cstdint>

namespace veltora {

// The grey level of any colour value by the defining formula: channels split with signed
// arithmetic, weighted in floating point, taken to the nearest integer (halves to even).
std::int16_t GreyOfSigned(std::int32_t colour);

// Luminance 0 (black) .. 255 (white) of a colour 0x00BBGGRR. The colour -1 that pixels
// outside the image give reads 28, so the world outside the image looks dark.
// Every pixel read goes through here, so image colours take an exact integer path: the
// weighted sum over 32768 is a binary fraction, rounded half to even without a division.
inline std::int16_t GreyOf(std::int32_t colour) {
    if (colour < 0) return GreyOfSigned(colour);
    const auto c = static_cast<std::uint32_t>(colour);
    const std::uint32_t sum = 9798u * (c & 0xFFu) + 19235u * ((c >> 8) & 0xFFu) + 3735u * ((c >> 16) & 0xFFu);
    // Adding just under one half, plus one when the whole part is odd, carries exactly the
    // remainders above one half, and one half itself only onto an odd whole part.
    return static_cast<std::int16_t>((sum + 0x3FFFu + ((sum >> 15) & 1u)) >> 15);
}

// The nearest integer, halves to even, as RoundHalfEven (app/rounding.h) gives it, inline
// for the per-pixel paths. Precondition: |value| < 2^31 (callers check the range first).
inline long long NearestInteger(double value) {
    long long whole = static_cast<long long>(value);  // towards zero
    const double fraction = value - static_cast<double>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    else if (fraction < -0.5 || (fraction == -0.5 && (whole & 1) != 0)) --whole;
    return whole;
}

// ImageWidth / 1000 to the nearest integer (halves to even), at least 1: every search
// moves in multiples of it so that its reach grows with the image.
std::int16_t SampleStepFor(int imageWidth);

}  // namespace veltora
