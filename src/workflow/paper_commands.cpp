#include "workflow/paper_commands.h"

#include <cstdlib>
#include <system_error>

#include "files/file_names.h"
#include "files/record_writer.h"
#include "scoring/paper_file.h"
#include "scoring/paper_paste.h"
#include "template/template_loader.h"
#include "workflow/file_command_keys.h"
#include "workflow/save_as_name.h"

namespace veltora {

namespace {

constexpr std::string_view kHandOffName = "tg_key.txt";

std::filesystem::path PaperFolder(const AppContext& ctx) { return ctx.Path(kPaperFolder); }

std::filesystem::path PaperFile(const AppContext& ctx, const std::string& entry) {
    return FileInFolder(PaperFolder(ctx), Trimmed(entry));
}

std::string WriteAndReport(Workspace& ws, const std::filesystem::path& file) {
    if (!WritePaper(ws.paper, file)) return std::string(kSaveFailedKey);
    ws.paperChanged = false;
    return std::string(kFileSavedKey);
}

}  // namespace

bool ChoosePaper(Workspace& ws, const AppContext& ctx, FileList& papers, int position) {
    if (position < 0 || position >= static_cast<int>(papers.entries.size())) return false;
    papers.selected = position;
    if (position == 0) {
        ws.BlankPaper();
        return true;
    }
    const std::string& entry = papers.entries[static_cast<std::size_t>(position)];
    if (!IsPlainFileName(Trimmed(entry))) return false;
    const std::filesystem::path file = PaperFile(ctx, entry);
    ReadPaper(ws.paper, file);
    ws.paper.paperName = file.string();
    return true;
}

bool ChooseAnswerSheetType(Workspace& ws, const AppContext& ctx, const FileList& templates, int position) {
    if (position < 0 || position >= static_cast<int>(templates.entries.size())) return false;
    ws.paper.answerSheetType = static_cast<std::int16_t>(position + 1);
    return LoadTemplate(ctx, templates.entries[static_cast<std::size_t>(position)], ws.templ);
}

std::string SavePaper(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host) {
    if (papers.selected <= 0 || !papers.HasSelection()) return SavePaperAs(ws, ctx, papers, host);
    const std::string name = Trimmed(papers.SelectedEntry());
    if (!IsPlainFileName(name)) return std::string(kBadFileNameKey);
    return WriteAndReport(ws, PaperFile(ctx, name));
}

std::string SavePaperAs(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host) {
    const auto folder = PaperFolder(ctx);
    const SaveAsName chosen = AskSaveAsName(host, ctx, folder, kPaperExtension);
    if (chosen.step == SaveAsName::Step::Cancelled) return {};
    if (chosen.step == SaveAsName::Step::Refused) return std::string(kBadFileNameKey);

    const std::string fileName = chosen.name + std::string(kPaperExtension);
    std::string message = WriteAndReport(ws, FileInFolder(folder, fileName));
    if (message == kFileSavedKey && !chosen.exists) ChoosePaper(ws, ctx, papers, papers.Add(fileName));
    return message;
}

std::string DeletePaper(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host) {
    if (papers.entries.size() <= 1) return std::string(kLastEntryKey);
    if (papers.selected <= 0 || !papers.HasSelection()) return {};
    if (!host.AskYesNo(ctx.LangText("main", kConfirmDeleteKey), "")) return {};

    const std::string name = Trimmed(papers.SelectedEntry());
    std::error_code error;
    if (IsPlainFileName(name)) std::filesystem::remove(PaperFile(ctx, name), error);
    if (error) return std::string(kDeleteFailedKey);
    papers.RemoveAndSelectFirst(papers.selected);
    ChoosePaper(ws, ctx, papers, 0);
    return {};
}

bool PastePaperQuestions(Workspace& ws, const AppContext& ctx, std::string_view clipboardText, Host& host) {
    if (PasteQuestions(ws, clipboardText)) return true;
    host.ShowMessage(ctx.LangText(kPasteSection, kPasteNoListKey) + "  ");
    return false;
}

std::optional<std::filesystem::path> HandOffFile() {
    if (const char* named = std::getenv("VELTORA_HANDOFF"); named != nullptr && *named != '\0')
        return std::filesystem::path(named);
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::filesystem::path(home) / kHandOffName;
    return std::nullopt;
}

bool TakeHandOffPaper(Workspace& ws, FileList& papers, const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    if (!papers.entries.empty()) papers.selected = 0;
    ws.BlankPaper();
    ReadPaper(ws.paper, file);
    ws.paper.paperName = std::string(kHandOffName);
    // Taken once: a file that cannot be deleted would hand the paper over at every start.
    std::filesystem::remove(file, error);
    return true;
}

}  // namespace veltora
