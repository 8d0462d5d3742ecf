// Marking one image: a chosen file as a new entry, or the selected entry again.
#include "workflow/examinee_check.h"
#include "workflow/marking_commands.h"
#include "workflow/marking_keys.h"
#include "workflow/marking_steps.h"

namespace veltora {

bool MarkFile(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host) {
    const auto file = host.ChooseFile(MainText(ctx, kOpenImageFileKey), std::string(kImageFileFilter));
    if (!file) return false;
    return MarkImageFile(ws, state, ctx, host, *file);
}

bool MarkImageFile(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host,
                   const std::filesystem::path& file) {
    if (ws.MarkCount() >= state.SheetCapacity()) {
        host.ShowMessage(MainText(ctx, kSheetListFullKey));
        return false;
    }
    DecodedImage decoded = DecodeImageFile(file);
    const int entry = ws.AppendSheet(file.string());
    host.Progress(0, 0, SheetCountText(ws.MarkCount(), ctx));
    const bool recognised = MarkEntry(ws, state, ctx, host, entry, std::move(decoded));
    if (recognised)
        host.ShowTip(MainText(ctx, kMarkingDoneKey));
    else
        host.ShowMessage(MainText(ctx, kCheckSheetKey));
    ws.currentSheet = static_cast<std::int16_t>(ws.MarkCount());
    SortAndCheck(ws, ctx);
    return recognised;
}

bool RemarkSelected(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host, int row) {
    const int entry = EntryOfRow(ws, row);
    if (entry == 0) return false;
    const std::filesystem::path file = ws.Rec(entry, kRecImage);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        host.ShowMessage(MainText(ctx, kSheetFileMissingKey));
        return false;
    }
    const bool recognised = MarkEntry(ws, state, ctx, host, entry, DecodeImageFile(file));
    CheckExamineeNumbers(ws, ctx);
    host.ShowTip(MainText(ctx, kMarkingDoneKey));
    return recognised;
}

}  // namespace veltora
