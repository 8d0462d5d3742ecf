#pragma once
// Straight-line fits through sampled edge points: the line through the means of the two
// halves of the valid samples. Used for the frame's half-sides and for the brightness
// trend across the answer grid.
#include <span>

#include "recognition/recognition_types.h"

namespace veltora {

// Entries 1..n of `samples` whose found flag is set take part (index 0 is not a sample).
// Clears the found flag of samples lying far from the line through the two half-means.
// False, leaving the samples unchanged, when fewer than 6 samples are valid.
bool RejectOutliers(std::span<ProbeResult> samples, int n);

// The line through the means of the two halves of the valid entries 1..n; ok = false when
// fewer than 3 are valid.
LineRecord FitHalfLine(std::span<const ProbeResult> samples, int n);

}  // namespace veltora
