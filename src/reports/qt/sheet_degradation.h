#pragma once
// What a scanner or a camera does to a printed sheet, applied to a rendered sheet image so
// that recognition can be tested on sheets that are turned, tilted, photographed at a
// slant, unevenly lit, blurred, noisy or JPEG-compressed. Each function returns a new
// RGB32 image and leaves its input alone.
#include <QColor>
#include <QImage>

#include <cstdint>

namespace veltora {

// Grey of the table around a sheet where a transform uncovers it.
inline const QColor kTableColour(70, 70, 70);

// Quarter turns clockwise: `degrees` is 0, 90, 180 or 270 (others are taken modulo 360
// and rounded down to a quarter).
QImage TurnQuarter(const QImage& image, int degrees);

// Turns the image by `degrees` (clockwise) about its centre, keeping its size.
QImage RotateAboutCentre(const QImage& image, double degrees);

// A camera's slant view: the top edge appears `farToNear` (0 < ratio <= 1) times as long as
// the bottom edge, centred, with the perspective's foreshortening in between.
QImage Keystone(const QImage& image, double farToNear);

// Light falling off by `falloff` (0..1) from the top-left to the bottom-right corner, with a
// vignette darkening the corners by half as much.
QImage UnevenLight(const QImage& image, double falloff);

// Gaussian blur of standard deviation `sigma` pixels (separable, edges extended).
QImage GaussianBlur(const QImage& image, double sigma);

// Gaussian grey-level noise of standard deviation `sigma`: the same offset on the three
// channels of a pixel, so the recogniser's grey level sees `sigma`. Deterministic for `seed`.
QImage AddNoise(const QImage& image, double sigma, std::uint32_t seed);

// The image after JPEG compression at `quality` (1..100) and decompression; a null image
// when no JPEG codec is available.
QImage JpegRoundTrip(const QImage& image, int quality);

}  // namespace veltora
