#include "reports/qt/sheet_degradation.h"

#include <QBuffer>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace veltora {
namespace {

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Draws `image` through `transform` onto the table, at the same size.
QImage Transformed(const QImage& image, const QTransform& transform) {
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(kTableColour);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    painter.drawImage(QPointF(0, 0), image);
    return result;
}

int Clamped(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

std::vector<double> GaussianKernel(double sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(3 * sigma)));
    std::vector<double> kernel(static_cast<std::size_t>(2 * radius + 1));
    for (int i = -radius; i <= radius; ++i)
        kernel[static_cast<std::size_t>(i + radius)] = std::exp(-0.5 * i * i / (sigma * sigma));
    double sum = 0;
    for (const double weight : kernel) sum += weight;
    for (double& weight : kernel) weight /= sum;
    return kernel;
}

// One blur pass along rows (horizontal) or columns; samples beyond the edge repeat it.
QImage BlurPass(const QImage& source, const std::vector<double>& kernel, bool horizontal) {
    const int radius = static_cast<int>(kernel.size() / 2);
    const int width = source.width();
    const int height = source.height();
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double red = 0, green = 0, blue = 0;
            for (int i = -radius; i <= radius; ++i) {
                const int sx = horizontal ? std::clamp(x + i, 0, width - 1) : x;
                const int sy = horizontal ? y : std::clamp(y + i, 0, height - 1);
                const QRgb pixel = reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx];
                const double weight = kernel[static_cast<std::size_t>(i + radius)];
                red += weight * qRed(pixel);
                green += weight * qGreen(pixel);
                blue += weight * qBlue(pixel);
            }
            out[x] = qRgb(Clamped(red), Clamped(green), Clamped(blue));
        }
    }
    return result;
}

}  // namespace

QImage TurnQuarter(const QImage& image, int degrees) {
    const int quarter = ((degrees % 360 + 360) % 360) / 90 * 90;
    if (quarter == 0) return Rgb32(image);
    return Rgb32(image).transformed(QTransform().rotate(quarter));
}

QImage RotateAboutCentre(const QImage& image, double degrees) {
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(degrees);
    transform.translate(-centre.x(), -centre.y());
    return Transformed(Rgb32(image), transform);
}

QImage Keystone(const QImage& image, double farToNear) {
    const double width = image.width();
    const double height = image.height();
    const double inset = width * (1 - std::clamp(farToNear, 0.05, 1.0)) / 2;
    const QPolygonF sheet({QPointF(0, 0), QPointF(width, 0), QPointF(width, height), QPointF(0, height)});
    const QPolygonF view({QPointF(inset, 0), QPointF(width - inset, 0), QPointF(width, height), QPointF(0, height)});
    QTransform transform;
    if (!QTransform::quadToQuad(sheet, view, transform)) return Rgb32(image);
    return Transformed(Rgb32(image), transform);
}

QImage UnevenLight(const QImage& image, double falloff) {
    QImage result = Rgb32(image);
    const double width = result.width();
    const double height = result.height();
    const double reach = std::hypot(width / 2, height / 2);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const double across = (x / width + y / height) / 2;
            const double fromCentre = std::hypot(x - width / 2, y - height / 2) / reach;
            const double light = (1 - falloff * across) * (1 - falloff / 2 * fromCentre * fromCentre);
            const QRgb pixel = line[x];
            line[x] = qRgb(Clamped(qRed(pixel) * light), Clamped(qGreen(pixel) * light), Clamped(qBlue(pixel) * light));
        }
    }
    return result;
}

QImage GaussianBlur(const QImage& image, double sigma) {
    if (!(sigma > 0)) return Rgb32(image);
    const std::vector<double> kernel = GaussianKernel(sigma);
    return BlurPass(BlurPass(Rgb32(image), kernel, true), kernel, false);
}

QImage AddNoise(const QImage& image, double sigma, std::uint32_t seed) {
    QImage result = Rgb32(image);
    if (!(sigma > 0)) return result;
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, sigma);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const double offset = noise(random);
            const QRgb pixel = line[x];
            line[x] = qRgb(Clamped(qRed(pixel) + offset), Clamped(qGreen(pixel) + offset), Clamped(qBlue(pixel) + offset));
        }
    }
    return result;
}

QImage JpegRoundTrip(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", std::clamp(quality, 1, 100))) return {};
    QImage decoded;
    if (!decoded.loadFromData(bytes, "JPG")) return {};
    return Rgb32(decoded);
}

}  // namespace veltora
