// Taking entries out of the marking list.
#include <system_error>

#include "files/record_writer.h"
#include "workflow/file_command_keys.h"
#include "workflow/marking_commands.h"
#include "workflow/marking_keys.h"
#include "workflow/marking_steps.h"

namespace veltora {

std::string SheetCountText(int sheetCount, const AppContext& ctx) {
    return MainText(ctx, kSheetCountKey) + ":" + std::to_string(sheetCount);
}

int DeleteSelected(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host, int row) {
    const int entry = EntryOfRow(ws, row);
    if (entry == 0) return -1;
    const std::string file = Trimmed(ws.Rec(entry, kRecImage));
    ws.RemoveSheet(entry);
    host.Progress(0, 0, SheetCountText(ws.MarkCount(), ctx));

    if (host.AskYesNo(MainText(ctx, kAlsoDeleteFileKey) + "\n" + file, "")) {
        std::error_code error;
        if (std::filesystem::exists(file, error) && !std::filesystem::remove(file, error))
            host.ShowMessage(MainText(ctx, kDeleteFailedKey));
    }
    host.ShowTip(MainText(ctx, kSheetDeletedKey));
    SortAndCheck(ws, ctx);
    if (ws.MarkCount() == 0) {
        state.sheetImage = Raster{};
        host.ShowSheetImage(state.sheetImage);
    }
    return row - 1;
}

void ClearAll(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host) {
    ws.DeleteAllSheets();
    host.Progress(0, 0, SheetCountText(ws.MarkCount(), ctx));
    state.sheetImage = Raster{};
    host.ShowSheetImage(state.sheetImage);
    host.ShowTip(MainText(ctx, kAllSheetsClearedKey));
}

}  // namespace veltora
