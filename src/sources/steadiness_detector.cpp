#include "sources/steadiness_detector.h"

#include <cmath>
#include <cstdlib>

#include "recognition/grey_level.h"

namespace veltora {

namespace {

int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

FrameSamples SampleFrame(const Raster& frame) {
    const double w = frame.Width();
    const double h = frame.Height();
    FrameSamples samples{};
    for (int i = 1; i <= 100; ++i) {
        // Middle row, middle column, upper row (right to left), lower row, left and right column.
        const int points[6][2] = {
            {Nearest(i * (w / 100)), Nearest(h / 2)},
            {Nearest(w / 2), Nearest(i * (h / 100))},
            {Nearest((100 - i) * (w / 100)), Nearest(h / 6)},
            {Nearest(i * (w / 100)), Nearest(5 * h / 6)},
            {Nearest(w / 6), Nearest(i * (h / 100))},
            {Nearest(5 * w / 6), Nearest(i * (h / 100))},
        };
        for (int line = 0; line < 6; ++line)
            samples[line * 100 + i - 1] = GreyOf(frame.ColourAt(points[line][0], points[line][1]));
    }
    return samples;
}

int SteadinessDetector::Difference(const Raster& frame) const {
    const FrameSamples now = SampleFrame(frame);
    int sum = 0;
    for (std::size_t k = 0; k < now.size(); ++k) sum += std::abs(reference_[k] - now[k]);
    return sum;
}

SteadinessDetector::Action SteadinessDetector::Tick(const Raster& frame) {
    state_ = state_ + 1 > 3 ? 1 : state_ + 1;
    if (state_ == 1) {
        reference_ = SampleFrame(frame);
        return Action::None;
    }
    if (Difference(frame) > threshold_) {
        // Something moved: arm, and let the next tick take a fresh reference.
        armed_ = true;
        threshold_ = kSteadyThreshold;
        state_ = 0;
        return Action::None;
    }
    if (!armed_) return Action::None;
    if (state_ == 2) {
        held_ = frame;
        return Action::None;
    }
    // Whatever the recognition makes of it, this sheet is not read again until it moves.
    armed_ = false;
    threshold_ = kAfterReadThreshold;
    return Action::Read;
}

}  // namespace veltora
