#pragma once
// Saving a picture as a JPEG file with either writer. Both replace an existing file of the
// same name and write through a temporary file, so a failure never leaves a partial file.
#include <filesystem>
#include <cstdint>
#include <optional>
#include <vector>

#include "recognition/raster.h"
#include "sources/jpeg_error.h"

namespace veltora {

enum class JpegWriter { Own, System };

// libjpeg-turbo at `quality` (0..100, clamped), default settings otherwise. Raises
// JpegError 5 "不能保存这个图像：" followed by the failing step's status.
std::vector<std::uint8_t> EncodeJpegSystem(const Raster& picture, int quality);
void SaveJpegSystem(const Raster& picture, const std::filesystem::path& file, int quality);

// cJpeg with sampling 2x2, 1x1, 1x1 at `quality`. Raises the writer's JpegError; an empty
// picture or file name is JpegError 1.
void SaveJpegOwn(const Raster& picture, const std::filesystem::path& file, int quality);

// Either writer without exceptions: nothing on success, else the error.
std::optional<JpegError> SaveJpeg(const Raster& picture, const std::filesystem::path& file, int quality,
                                  JpegWriter which);

}  // namespace veltora
