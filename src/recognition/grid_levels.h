#pragma once
// Evening out the lighting of the answer grid and its reference levels. The answer grid is
// rows 1..rows and columns 1..columns of the darkness matrix; head rows are not touched.
#include "recognition/darkness_matrix.h"

namespace veltora {

// Removes a linear brightness trend from each half of the rows and then of the columns,
// judged by the brightest cell of each row (column). False when a corrected value does not
// fit 16 bits. Precondition: 1 <= rows, columns <= 100.
bool FlattenShading(DarknessMatrix& darkness, int rows, int columns);

// Mean, maximum and minimum darkness of the answer grid. The mean divides by
// (rows + 1)·(columns + 1), not by the number of cells: the mark decision's thresholds are
// set against that value.
GridLevels GridStatistics(const DarknessMatrix& darkness, int rows, int columns);

}  // namespace veltora
