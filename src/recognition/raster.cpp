#include "recognition/raster.h"

namespace veltora {

Raster::Raster(int width, int height, std::uint32_t fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill & 0x00FFFFFFu) {}

}  // namespace veltora
