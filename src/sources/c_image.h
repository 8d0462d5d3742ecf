#pragma once
// The off-screen picture the own JPEG writer samples from: a copy of a sheet raster.
// Rasters are true-colour without a palette, so a copy is always 24 bits per pixel.
#include "recognition/raster.h"

namespace veltora {

class cImage {
public:
    // Copies `picture` at `depth` bits per pixel; 0 means the picture's own depth (24).
    // Paletted depths (1, 4, 8) need a palette a raster does not have, and other depths do
    // not exist: both give false and no bitmap. An empty picture gives false as well.
    bool CopyStdPicture(const Raster& picture, int depth = 0);

    const Raster& hDC() const { return bitmap_; }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

private:
    Raster bitmap_;
};

}  // namespace veltora
