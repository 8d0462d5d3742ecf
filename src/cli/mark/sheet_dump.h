#pragma once
// The per-sheet dump of veltora-mark: one JSON object per line with the recognition values
// of the sheet and what was recorded for it. Values a failed sheet never reached are null.
#include <string>

#include "scoring/workspace.h"
#include "workflow/marking_state.h"

namespace veltora {

// The line (with its line end) for the sheet just marked; the recogniser still holds its
// values.
std::string SheetDumpLine(const Workspace& ws, const Recogniser& recogniser, const SheetMarked& sheet);

}  // namespace veltora
