#include "workflow/read_sheet.h"

#include "scoring/mark_decision.h"

namespace veltora {

bool ReadSheet(Workspace& ws, Recogniser& recogniser, const Raster& image) {
    if (!recogniser.RecogniseSheet(image, ws.templ)) return false;
    ws.lastExamineeNo = recogniser.LastExamineeNo();
    MarkDecision(ws, ws.currentSheet, recogniser.Darkness(), recogniser.Levels());
    return true;
}

}  // namespace veltora
