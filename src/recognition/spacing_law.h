#pragma once
// Division of one side of the frame into N cells allowing for perspective: the cell size
// grows linearly with the extent of the sheet measured across the side, from the start
// extent E0 through the middle extent Em to the end extent E1, and the N cells fill the
// side's length exactly.
#include <cstdint>
#include <optional>

namespace veltora {

struct SpacingLaw {
    int h = 0;        // cells in the first half, floor(N / 2)
    double u = 0;     // base cell size
    double d1 = 0;    // growth of the cell size per cell
    double d2 = 0;    // additional growth per cell beyond the middle
};

// Nothing when the law is undefined: fewer than two cells or a zero start extent.
std::optional<SpacingLaw> MakeSpacingLaw(double length, double e0, double em, double e1, int cells);

// Position of grid line i (0 = the start of the side; negative and beyond-N lines continue
// the law outside the frame), or nothing when it does not fit a 16-bit coordinate.
std::optional<std::int16_t> GridLinePosition(const SpacingLaw& law, double start, int i);

}  // namespace veltora
