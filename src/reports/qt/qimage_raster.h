#pragma once
// A rendered QImage as the recogniser's raster (0x00BBGGRR pixels).
#include <QImage>

#include "recognition/raster.h"

namespace veltora {

// Precondition: the image's sides are at most kMaxImageSide.
Raster ToRaster(const QImage& image);

}  // namespace veltora
