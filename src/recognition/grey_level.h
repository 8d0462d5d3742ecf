#pragma once
// The grey level recognition judges every pixel by.
#include <cstdint>

namespace veltora {

// Luminance 0 (black) .. 255 (white) of a colour 0x00BBGGRR. The colour -1 that pixels
// outside the image give reads 28, so the world outside the image looks dark.
std::int16_t GreyOf(std::int32_t colour);

// ImageWidth / 1000 to the nearest integer (halves to even), at least 1: every search
// moves in multiples of it so that its reach grows with the image.
std::int16_t SampleStepFor(int imageWidth);

}  // namespace veltora
