#pragma once
// Reading one sheet image into the marking tables: recognition up to the examinee number,
// then the mark decision for the current sheet.
#include "recognition/raster.h"
#include "recognition/recogniser.h"
#include "scoring/workspace.h"

namespace veltora {

// Recognises `image` with the workspace's template. On success sets lastExamineeNo,
// stores the answers and score of ws.currentSheet and sets lastScoreText; true. On
// failure nothing of the workspace changes; false. The recogniser keeps its values
// (orientation included) for the next sheet and for diagnostics.
bool ReadSheet(Workspace& ws, Recogniser& recogniser, const Raster& image);

}  // namespace veltora
