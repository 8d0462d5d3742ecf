#pragma once
// Sheet images on disk: JPEG (libjpeg-turbo, natural size, default decoder settings),
// BMP (1/4/8/16/24/32 bit, our own reader) and PNG (libpng). The format is told by the
// file's first bytes, not by its name. Damaged, truncated or oversized files are refused
// with a reason; nothing larger than kMaxImageSide per side or kMaxImagePixels in all is
// ever allocated.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "recognition/raster.h"

namespace veltora {

// 256 mega-pixels (1 GiB of raster): far beyond an A3 page at 600 dpi.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 28;

// The decoded image, or nothing with the reason in `error` (when given).
std::optional<Raster> LoadImageFile(const std::filesystem::path& file, std::string* error = nullptr);
std::optional<Raster> DecodeImage(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

// True when width x height may be decoded (both sides 1..kMaxImageSide, area within
// kMaxImagePixels).
bool ImageSizeAcceptable(std::int64_t width, std::int64_t height);

// Writes the raster as a 24-bit bottom-up Windows bitmap through a temporary file and a
// rename. False (with the reason) when the raster is empty or the file cannot be written.
bool SaveBmp(const Raster& image, const std::filesystem::path& file, std::string* error = nullptr);
// The bytes SaveBmp writes.
std::vector<std::uint8_t> EncodeBmp(const Raster& image);

}  // namespace veltora
