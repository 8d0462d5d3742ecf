#pragma once
#include <optional>

#include "recognition/recognition_types.h"

namespace veltora {

// The crossing of two lines, each coordinate taken to the nearest integer on its own;
// (0, 0, ok = false) for parallel lines. Nothing when the crossing lies beyond 16-bit
// coordinates.
std::optional<Corner> IntersectLines(const LineRecord& p, const LineRecord& q);

}  // namespace veltora
