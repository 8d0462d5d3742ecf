#pragma once
// The marking commands: bringing sheet images into the marking list, reading and scoring
// them, and taking them out again. Dialogs, messages, tips, progress and event processing
// go through the Host. After a command the interface refills the marking list in
// ws.markOrder order (the commands have already sorted it and checked the numbers where
// they should).
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "scoring/workspace.h"
#include "workflow/host.h"
#include "workflow/marking_state.h"

namespace veltora {

struct BatchOutcome {
    int listed = 0;      // images offered
    int added = 0;       // entries added (fewer when the list filled up)
    int read = 0;        // sheets read before the loop ended
    int recognised = 0;
    bool stopped = false;
};

// The images of a folder a batch marks: its "*.JPG" files, then its "*.BMP" files (letter
// case ignored), each group by name. Sub-folders are not entered.
std::vector<std::filesystem::path> ListBatchImages(const std::filesystem::path& folder);

// "<sheet count text>:<sheetCount>", the resting text of the progress label.
std::string SheetCountText(int sheetCount, const AppContext& ctx);

// Asks for a folder (starting at the last one chosen, which becomes the chosen one) and
// marks its images as new entries. Nothing happens when the dialog is cancelled.
BatchOutcome BatchMark(Workspace& ws, MarkingState& state, AppContext& ctx, Host& host);

// Adds `images` as new entries and marks them in order, as far as the list has room
// (saying so when it has not). Progress per sheet; a stop request takes effect between
// sheets; an unreadable or unrecognisable image is recorded as not recognisable without
// a message. Ends by sorting the list by status, checking the examinee numbers and
// showing the finished tip.
BatchOutcome MarkImages(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host,
                        const std::vector<std::filesystem::path>& images);

// Asks for one image file and marks it (MarkImageFile). False when cancelled or not read.
bool MarkFile(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host);

// Adds `file` as a new entry and marks it; a sheet that cannot be read keeps its entry
// and gets the check-the-sheet message. True when the sheet was recognised.
bool MarkImageFile(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host,
                   const std::filesystem::path& file);

// Marks again the entry shown at list row `row` (1-based); the list is not re-sorted.
// False when the row shows no entry, its file is gone (with a message) or it was not
// recognised.
bool RemarkSelected(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host, int row);

// Marks every entry whose status is not the normal one, in entry order.
BatchOutcome ContinueMarking(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host);

// Asks a running loop to stop after its current sheet.
void StopMarking(MarkingState& state);

// Removes the entry at list row `row`, asking whether to delete its image file too.
// Returns the row to select afterwards (row - 1), or -1 when the row shows no entry.
int DeleteSelected(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host, int row);

// Empties the marking list (no file is deleted) and the results.
void ClearAll(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host);

}  // namespace veltora
