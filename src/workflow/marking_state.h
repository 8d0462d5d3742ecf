#pragma once
// What the marking commands keep between sheets and between commands. Owned by whoever
// runs the commands (the main window, veltora-mark) next to the Workspace.
#include <algorithm>
#include <functional>
#include <string>

#include "recognition/raster.h"
#include "recognition/recogniser.h"
#include "scoring/workspace.h"

namespace veltora {

// What became of one sheet a marking command read.
struct SheetMarked {
    int entry = 0;             // its place in the marking list
    bool decoded = false;      // false: the image file could not be read (see decodeError)
    std::string decodeError;
    bool recognised = false;
};

struct MarkingState {
    // Persists between sheets: a sheet whose corners tie keeps the orientation of the one
    // before it.
    Recogniser recogniser;
    // The image loaded last; the sheet view draws it. Empty when none or unreadable.
    Raster sheetImage;
    // Set by StopMarking while a loop runs (from the host's event processing); the loop
    // stops after the sheet it is reading.
    bool stopRequested = false;
    // Threads decoding the next images of a loop while the current one is read.
    int decodeJobs = 1;
    // Entries the marking list may hold (never above kMaxSheets).
    int sheetLimit = kMaxSheets;
    int SheetCapacity() const { return std::min(sheetLimit, kMaxSheets); }
    // Called after every sheet a command read, with the recogniser still holding that
    // sheet's values (for diagnostics).
    std::function<void(const SheetMarked&)> afterSheet;
};

}  // namespace veltora
