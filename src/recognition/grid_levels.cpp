#include "recognition/grid_levels.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/rounding.h"
#include "recognition/line_fit.h"

namespace veltora {
namespace {

// One pass over half of the rows (byRow) or columns: lines offset+1 .. offset+count, each
// crossing `across` cells. The upper (left) half is brought to the level of its last line,
// the lower (right) half to the level of its first line.
bool FlattenHalf(DarknessMatrix& darkness, bool byRow, int offset, int count, int across, bool upperHalf) {
    const auto column = [&](int k, int c) { return byRow ? c : offset + k; };
    const auto row = [&](int k, int c) { return byRow ? offset + k : c; };

    std::array<ProbeResult, 100> brightest{};
    for (int k = 1; k <= count; ++k) {
        int level = -300;
        for (int c = 1; c <= across; ++c) level = std::max<int>(level, darkness.At(column(k, c), row(k, c)));
        brightest[static_cast<std::size_t>(k)] = {static_cast<std::int16_t>(k), static_cast<std::int16_t>(level), true};
    }
    // Fewer than three lines give no fit; its slope 0 leaves the half as it is.
    const double slope = FitHalfLine(brightest, count).a;
    const std::optional<std::int16_t> base = upperHalf ? NearestInt16(count * slope) : std::optional<std::int16_t>{0};
    if (!base) return false;
    for (int k = 1; k <= count; ++k) {
        const double trend = std::floor((upperHalf ? k : k - 1) * slope);
        for (int c = 1; c <= across; ++c) {
            const std::optional<std::int16_t> value = NearestInt16(darkness.At(column(k, c), row(k, c)) - trend + *base);
            if (!value) return false;
            darkness.Set(column(k, c), row(k, c), *value);
        }
    }
    return true;
}

}  // namespace

bool FlattenShading(DarknessMatrix& darkness, int rows, int columns) {
    const int halfRows = rows / 2, halfColumns = columns / 2;
    return FlattenHalf(darkness, true, 0, halfRows, columns, true) &&
           FlattenHalf(darkness, true, halfRows, rows - halfRows, columns, false) &&
           FlattenHalf(darkness, false, 0, halfColumns, rows, true) &&
           FlattenHalf(darkness, false, halfColumns, columns - halfColumns, rows, false);
}

GridLevels GridStatistics(const DarknessMatrix& darkness, int rows, int columns) {
    double sum = 0;
    int max = -300, min = 300;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            const int value = darkness.At(column, row);
            sum += value;
            max = std::max(max, value);
            min = std::min(min, value);
        }
    }
    // The mean of 16-bit values always fits 16 bits.
    const double mean = RoundHalfEven(sum / (rows + 1) / (columns + 1));
    return {static_cast<std::int16_t>(mean), static_cast<std::int16_t>(max), static_cast<std::int16_t>(min)};
}

}  // namespace veltora
