// Pixel sampling, the middle-row calibration and the two edge searches.
#include <algorithm>

#include "app/rounding.h"
#include "recognition/grey_level.h"
#include "recognition/recogniser.h"

namespace veltora {

std::int16_t GreyOfSigned(std::int32_t colour) {
    // The channels are split with signed arithmetic so that the "outside" colour -1 gives
    // r = g = -1, b = 255 and hence its fixed dark grey.
    const std::int32_t r = colour % 256;
    const std::int32_t g = (colour & ~std::int32_t{0xFF}) / 256 % 256;
    const std::int32_t b = (colour & 0xFF0000) / 65536;
    return static_cast<std::int16_t>(RoundHalfEven((9798.0 * r + 19235.0 * g + 3735.0 * b) / 32768.0));
}

std::int16_t SampleStepFor(int imageWidth) {
    const double step = RoundHalfEven(imageWidth / 1000.0);
    return static_cast<std::int16_t>(step < 1 ? 1 : step);
}

void Recogniser::BeginSheet(const Raster& image) {
    image_ = &image;
    valueOutOfRange_ = false;
    imageWidth_ = image.Width();
    imageHeight_ = image.Height();
    sampleStep_ = SampleStepFor(imageWidth_);
}

void Recogniser::EndSheet() { image_ = nullptr; }

void Recogniser::CalibrateMiddleRow() {
    const int s = sampleStep_;
    const int y = Nearest16(imageHeight_ / 2.0);
    const double m = static_cast<double>(imageWidth_) / s;
    int brightest = -300, darkest = 300, strongestFall = -300;
    int previous = 0;
    for (int i = 1; i <= m; ++i) {
        const int v = GreyAt(i * s, y);
        brightest = std::max(brightest, v);
        darkest = std::min(darkest, v);
        if (i >= 2) strongestFall = std::max(strongestFall, previous - v);
        previous = v;
    }
    brightestGrey_ = static_cast<std::int16_t>(brightest);
    darkestGrey_ = static_cast<std::int16_t>(darkest);
    edgeStrength_ = static_cast<std::int16_t>(strongestFall);
}

ProbeResult Recogniser::EdgeProbe(Point16 p, int dx, int dy, int n) {
    const double k = edgeStrength_ / 12.0;
    const auto greyAtStep = [&](int j) { return GreyAt(p.x + j * dx, p.y + j * dy); };
    // The three earlier samples are carried along instead of being read again for every
    // position: the results are identical because a pixel read has no side effect, and the
    // probe, the innermost loop of the border search, reads each pixel once.
    if (n < 3) return Probe(p.x + n * dx, p.y + n * dy, false);
    int g3 = greyAtStep(0), g2 = greyAtStep(1), g1 = greyAtStep(2);
    for (int i = 3; i <= n; ++i) {
        const int g0 = greyAtStep(i);
        if (g0 < g1 - k && g0 < g2 - k - 1 && g0 < g3 - k - 4)
            return Probe(p.x + i * dx, p.y + i * dy, true);
        g3 = g2;
        g2 = g1;
        g1 = g0;
    }
    return Probe(p.x + n * dx, p.y + n * dy, false);
}

ProbeResult Recogniser::FollowEdge(Point16 p, int a, int b, int n, int offX, int offY) {
    Point16 q = p;
    for (int repeat = 0; repeat < n; ++repeat) {
        q = {Store16(q.x + offX + 2 * a), Store16(q.y + offY + 2 * b)};
        const ProbeResult r = EdgeProbe(q, -b, -a, n);
        q = {r.x, r.y};
        if (!r.found) return {q.x, q.y, false};
    }
    return {q.x, q.y, true};
}

ProbeResult Recogniser::Probe(int x, int y, bool found) { return {Store16(x), Store16(y), found}; }

std::int16_t Recogniser::Store16(long long value) {
    if (value < INT16_MIN || value > INT16_MAX) {
        valueOutOfRange_ = true;
        return static_cast<std::int16_t>(value < 0 ? INT16_MIN : INT16_MAX);
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace veltora
