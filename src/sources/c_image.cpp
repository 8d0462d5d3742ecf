#include "sources/c_image.h"

namespace veltora {

bool cImage::CopyStdPicture(const Raster& picture, int depth) {
    if ((depth != 0 && depth != 24) || picture.Empty()) return false;
    bitmap_ = picture;
    return true;
}

}  // namespace veltora
