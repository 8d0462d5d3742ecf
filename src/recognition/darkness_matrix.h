#pragma once
// The darkness of every template cell of the sheet last recognised (mean grey 0..255,
// lower is darker), cells addressed (column, row) with both indices in -20..100, and the
// reference levels of the answer grid. Cells outside the current template keep the values
// an earlier sheet left.
#include <array>
#include <cstdint>

#include "template/template_model.h"

namespace veltora {

class DarknessMatrix {
public:
    static constexpr int kSide = kMaxCellIndex - kMinCellIndex + 1;

    static constexpr bool Contains(int column, int row) {
        return column >= kMinCellIndex && column <= kMaxCellIndex &&
               row >= kMinCellIndex && row <= kMaxCellIndex;
    }
    // Precondition: Contains(column, row).
    std::int16_t At(int column, int row) const { return cells_[Index(column, row)]; }
    void Set(int column, int row, std::int16_t value) { cells_[Index(column, row)] = value; }

private:
    static constexpr std::size_t Index(int column, int row) {
        return static_cast<std::size_t>(column - kMinCellIndex) * kSide +
               static_cast<std::size_t>(row - kMinCellIndex);
    }
    std::array<std::int16_t, kSide * kSide> cells_{};
};

// Mean, maximum and minimum of the darkness over the answer grid of the sheet.
struct GridLevels {
    std::int16_t mean = 0;
    std::int16_t max = 0;
    std::int16_t min = 0;
};

}  // namespace veltora
