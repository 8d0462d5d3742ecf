#pragma once
// One decoder per file format, used by DecodeImage (image_file.cpp).
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "recognition/raster.h"

namespace veltora::detail {

std::optional<Raster> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string& error);
std::optional<Raster> DecodeBmp(std::span<const std::uint8_t> bytes, std::string& error);
std::optional<Raster> DecodePng(std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace veltora::detail
