#pragma once
// Decides when a sheet laid under the camera has stopped moving. Each tick (every 150 ms)
// samples 600 grey levels of the frame along six fixed lines and compares them with a
// reference frame; a sheet is read when, after a change larger than the threshold, two
// frames of one three-tick cycle both stay within the threshold of that cycle's reference.
// After a read nothing more is read until the picture changes by more than 3000 again.
#include <array>
#include <cstdint>

#include "recognition/raster.h"

namespace veltora {

inline constexpr int kSteadyThreshold = 2000;
inline constexpr int kAfterReadThreshold = 3000;

// The grey levels of the 6 x 100 sample points of a frame (line-major, i = 1..100).
using FrameSamples = std::array<std::int16_t, 600>;
FrameSamples SampleFrame(const Raster& frame);

class SteadinessDetector {
public:
    enum class Action {
        None,  // nothing to do on this tick
        Read,  // read HeldFrame() now; the detector is disarmed already
    };

    // Each activation of the camera window starts with the normal threshold.
    void Activate() { threshold_ = kSteadyThreshold; }

    // One tick of the reading cycle with the frame grabbed for it.
    Action Tick(const Raster& frame);

    const Raster& HeldFrame() const { return held_; }
    int State() const { return state_; }
    bool Armed() const { return armed_; }
    int Threshold() const { return threshold_; }

private:
    // Sum of |reference - sample| over the 600 points.
    int Difference(const Raster& frame) const;

    int state_ = 0;
    int threshold_ = 0;
    bool armed_ = false;
    FrameSamples reference_{};
    Raster held_;
};

}  // namespace veltora
