#include "workflow/score_set_commands.h"

#include "files/file_names.h"
#include "files/record_writer.h"
#include "files/score_set_file.h"
#include "workflow/file_command_keys.h"
#include "workflow/save_as_name.h"

namespace veltora {

namespace {

// The question of the delete command is fixed English text, not a language text.
constexpr std::string_view kDeletePrompt = "Will you really delete the achievenemt file: ";
constexpr const char* kDeleteTitle = "Note!";

std::filesystem::path ScoreFolder(const AppContext& ctx) { return ctx.Path(kScoreFolder); }

std::string SelectedBaseName(const FileList& scoreSets) {
    return BaseNameOf(scoreSets.SelectedEntry(), kScoreSetExtension);
}

std::string WriteAndReport(Workspace& ws, const AppContext& ctx, const std::string& baseName,
                           std::string_view savedKey) {
    if (!WriteScoreSet(ws, ScoreFolder(ctx), baseName)) return std::string(kSaveFailedKey);
    ws.scoresChanged = false;
    return std::string(savedKey);
}

}  // namespace

ScoreSetOutcome OpenScoreSet(Workspace& ws, const AppContext& ctx, FileList& scoreSets, int position) {
    if (!scoreSets.Select(position) || position == 0) return {};
    ReadScoreSet(ws, ScoreFolder(ctx), SelectedBaseName(scoreSets));
    return {"", true};
}

ScoreSetOutcome SaveScoreSet(Workspace& ws, const AppContext& ctx, FileList& scoreSets, Host& host) {
    if (!scoreSets.SelectsStoredFile()) return SaveScoreSetAs(ws, ctx, scoreSets, host);
    const std::string baseName = Trimmed(SelectedBaseName(scoreSets));
    if (!IsStorableBaseName(baseName)) return {std::string(kBadSetNameKey)};
    return {WriteAndReport(ws, ctx, baseName, "")};
}

ScoreSetOutcome SaveScoreSetAs(Workspace& ws, const AppContext& ctx, FileList& scoreSets, Host& host) {
    const SaveAsName chosen = AskSaveAsName(host, ctx, ScoreFolder(ctx), kScoreSetExtension);
    if (chosen.step == SaveAsName::Step::Cancelled) return {};
    if (chosen.step == SaveAsName::Step::Refused) return {std::string(kBadFileNameKey)};

    ScoreSetOutcome outcome{WriteAndReport(ws, ctx, chosen.name, kFileSavedKey)};
    if (outcome.messageKey == kFileSavedKey && !chosen.exists) {
        outcome.opened = OpenScoreSet(ws, ctx, scoreSets, scoreSets.Add(chosen.name + std::string(kScoreSetExtension))).opened;
    }
    return outcome;
}

ScoreSetOutcome DeleteScoreSet(const AppContext& ctx, FileList& scoreSets, Host& host) {
    if (!scoreSets.SelectsStoredFile()) return {std::string(kBlankSetKey)};
    const std::string baseName = SelectedBaseName(scoreSets);
    if (!host.AskYesNo(std::string(kDeletePrompt) + baseName, kDeleteTitle)) return {};
    if (!DeleteScoreSetFiles(ScoreFolder(ctx), baseName)) return {std::string(kDeleteFailedKey)};
    scoreSets.RemoveAndSelectFirst(scoreSets.selected);
    return {};
}

}  // namespace veltora
