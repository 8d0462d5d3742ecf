// The marking loops: a folder (or any list of images) as new entries, and the entries
// not yet marked normally.
#include <algorithm>
#include <cctype>
#include <system_error>

#include "files/file_names.h"
#include "files/record_writer.h"
#include "workflow/marking_commands.h"
#include "workflow/marking_keys.h"
#include "workflow/marking_steps.h"

namespace veltora {

namespace {

struct PendingSheet {
    int entry = 0;
    std::filesystem::path file;
    int progress = 0;  // where the progress display stands once the sheet is read
};

// Reads the pending sheets in order, the next images decoding meanwhile. Between sheets
// the host handles pending events, and a stop request then ends the loop.
void RunMarkingLoop(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host,
                    const std::vector<PendingSheet>& sheets, int progressTotal, BatchOutcome& outcome) {
    state.stopRequested = false;
    host.Progress(0, progressTotal, "");
    std::vector<std::filesystem::path> files;
    files.reserve(sheets.size());
    for (const PendingSheet& sheet : sheets) files.push_back(sheet.file);
    ImagePrefetcher prefetcher(std::move(files), state.decodeJobs);

    for (const PendingSheet& sheet : sheets) {
        // The previous image leaves the buffer before the next one arrives, so a batch
        // holds at most decodeJobs + 1 images.
        state.sheetImage = Raster{};
        DecodedImage decoded = prefetcher.Next();
        // An entry removed or replaced while events were handled is not marked in its place.
        if (ws.Rec(sheet.entry, kRecImage) != sheet.file.string()) continue;
        ++outcome.read;
        if (MarkEntry(ws, state, ctx, host, sheet.entry, std::move(decoded))) ++outcome.recognised;
        host.Progress(sheet.progress, progressTotal, std::to_string(sheet.progress) + "/" + std::to_string(progressTotal));
        host.ProcessEvents();
        if (state.stopRequested) {
            outcome.stopped = true;
            break;
        }
    }
    host.Progress(0, 0, SheetCountText(ws.MarkCount(), ctx));
}

bool HasExtension(const std::filesystem::path& file, std::string_view extension) {
    return EqualIgnoringCase(file.extension().string(), extension);
}

}  // namespace

std::vector<std::filesystem::path> ListBatchImages(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> jpegs, bitmaps;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        std::error_code typeError;
        if (!item.is_regular_file(typeError)) continue;
        if (HasExtension(item.path(), ".jpg")) jpegs.push_back(item.path());
        else if (HasExtension(item.path(), ".bmp")) bitmaps.push_back(item.path());
    }
    std::sort(jpegs.begin(), jpegs.end());
    std::sort(bitmaps.begin(), bitmaps.end());
    jpegs.insert(jpegs.end(), bitmaps.begin(), bitmaps.end());
    return jpegs;
}

BatchOutcome BatchMark(Workspace& ws, MarkingState& state, AppContext& ctx, Host& host) {
    const auto folder = host.ChooseFolder(MainText(ctx, kChooseImageFolderKey), ctx.LastImageFolder());
    if (!folder || folder->empty()) return {};
    ctx.SetLastImageFolder(*folder);
    return MarkImages(ws, state, ctx, host, ListBatchImages(*folder));
}

BatchOutcome MarkImages(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host,
                        const std::vector<std::filesystem::path>& images) {
    BatchOutcome outcome;
    outcome.listed = static_cast<int>(images.size());
    const int room = std::max(0, state.SheetCapacity() - ws.MarkCount());
    if (outcome.listed > room) host.ShowMessage(MainText(ctx, kSheetListFullKey));

    std::vector<PendingSheet> pending;
    for (const auto& image : images) {
        if (static_cast<int>(pending.size()) == room) break;
        const int entry = ws.AppendSheet(image.string());
        if (entry == 0) break;
        pending.push_back({entry, image, static_cast<int>(pending.size()) + 1});
    }
    outcome.added = static_cast<int>(pending.size());

    RunMarkingLoop(ws, state, ctx, host, pending, outcome.added, outcome);
    SortAndCheck(ws, ctx);
    host.ShowTip(MainText(ctx, kMarkingDoneKey));
    host.ShowSheetImage(state.sheetImage);
    return outcome;
}

BatchOutcome ContinueMarking(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host) {
    if (ws.MarkCount() == 0) {
        host.ShowMessage(MainText(ctx, kImportImagesFirstKey));
        return {};
    }
    const std::string normal = MainText(ctx, kStatusNormalKey);
    std::vector<PendingSheet> pending;
    for (int entry = 1; entry <= ws.MarkCount(); ++entry)
        if (Trimmed(ws.Rec(entry, kRecStatus)) != normal) pending.push_back({entry, ws.Rec(entry, kRecImage), entry});

    BatchOutcome outcome;
    outcome.listed = static_cast<int>(pending.size());
    RunMarkingLoop(ws, state, ctx, host, pending, ws.MarkCount(), outcome);
    SortAndCheck(ws, ctx);
    host.ShowSheetImage(state.sheetImage);
    host.ShowTip(MainText(ctx, kMarkingDoneKey));
    return outcome;
}

void StopMarking(MarkingState& state) { state.stopRequested = true; }

}  // namespace veltora
