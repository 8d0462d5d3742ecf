#include "reports/qt/qimage_raster.h"

namespace veltora {

Raster ToRaster(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Raster raster(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::uint32_t* out = raster.Row(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = static_cast<std::uint32_t>(qRed(line[x])) | static_cast<std::uint32_t>(qGreen(line[x])) << 8 |
                     static_cast<std::uint32_t>(qBlue(line[x])) << 16;
    }
    return raster;
}

}  // namespace veltora
