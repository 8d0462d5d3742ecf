#pragma once
// The steps the marking commands share: reading one image into an entry and closing a
// marking loop.
#include <string_view>

#include "app/app_context.h"
#include "scoring/workspace.h"
#include "workflow/host.h"
#include "workflow/image_prefetcher.h"
#include "workflow/marking_state.h"

namespace veltora {

std::string MainText(const AppContext& ctx, std::string_view key);

// The entry the marking list shows at row `row` (1-based), or 0 when the row shows none.
int EntryOfRow(const Workspace& ws, int row);

// Puts the decoded image into the sheet buffer (an unreadable one empties it), reads it
// for entry `entry` and records status, examinee number and score. A sheet that is not
// recognised gets the unreadable status, and its number, score and any answers and points
// an earlier reading left are cleared, so that its record, answers and points agree.
// True when recognised.
bool MarkEntry(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host, int entry,
               DecodedImage decoded);

// The end of every command that refills the list: sort by status ascending, then the
// examinee-number check the refill runs.
void SortAndCheck(Workspace& ws, const AppContext& ctx);

}  // namespace veltora
