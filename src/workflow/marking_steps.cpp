#include "workflow/marking_steps.h"

#include "workflow/examinee_check.h"
#include "workflow/marking_keys.h"
#include "workflow/read_sheet.h"
#include "scoring/list_sorts.h"

namespace veltora {

namespace {

void ForgetReading(Workspace& ws, int entry) {
    for (int field = kRecExamineeNo; field <= kRecLastFileField; ++field) ws.SetRec(entry, field, "");
    for (int q = 1; q <= kMaxQuestions; ++q) {
        if (!ws.Answer(q, entry).empty()) ws.SetAnswer(q, entry, "");
        if (ws.QuestionScore(q, entry) != 0.0f) ws.SetQuestionScore(q, entry, 0.0f);
    }
}

}  // namespace

std::string MainText(const AppContext& ctx, std::string_view key) { return ctx.LangText("main", key); }

int EntryOfRow(const Workspace& ws, int row) {
    if (row < 1 || row > ws.MarkCount() || row >= static_cast<int>(ws.markOrder.size())) return 0;
    return ws.markOrder[static_cast<std::size_t>(row)];
}

bool MarkEntry(Workspace& ws, MarkingState& state, const AppContext& ctx, Host& host, int entry,
               DecodedImage decoded) {
    const bool loaded = decoded.image.has_value();
    state.sheetImage = loaded ? std::move(*decoded.image) : Raster{};
    host.ShowSheetImage(state.sheetImage);

    ws.currentSheet = static_cast<std::int16_t>(entry);
    const bool recognised = loaded && ReadSheet(ws, state.recogniser, state.sheetImage);
    if (recognised) {
        ws.SetRec(entry, kRecExamineeNo, ws.lastExamineeNo);
        ws.SetRec(entry, kRecScore, ws.lastScoreText);
        ws.SetRec(entry, kRecStatus, MainText(ctx, kStatusNormalKey));
    } else {
        ws.SetRec(entry, kRecStatus, MainText(ctx, kStatusUnreadableKey));
        ForgetReading(ws, entry);
    }
    if (state.afterSheet) state.afterSheet({entry, loaded, std::move(decoded.error), recognised});
    return recognised;
}

void SortAndCheck(Workspace& ws, const AppContext& ctx) {
    bool ascending = false;  // negated by the sort: ascending
    SortMarkingList(ws, kRecStatus, ascending);
    CheckExamineeNumbers(ws, ctx);
}

}  // namespace veltora
