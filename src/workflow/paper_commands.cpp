#include "workflow/paper_commands.h"

#include <cstdlib>
#include <system_error>

#include "files/file_names.h"
#include "files/record_writer.h"
#include "scoring/paper_file.h"
#include "scoring/paper_paste.h"
#include "template/template_loader.h"
#include "workflow/document_commands.h"

namespace veltora {

namespace {

constexpr std::string_view kHandOffName = "tg_key.txt";

std::filesystem::path PaperFile(const AppContext& ctx, const std::string& entry) {
    return FileInFolder(ctx.Path(kPaperFolder), Trimmed(entry));
}

StoredDocument PaperDocument(Workspace& ws, const AppContext& ctx, FileList& papers) {
    return {kPaperFolder, kPaperExtension, kPaperExtension,
            [&ws](const std::filesystem::path& file) { return WritePaper(ws.paper, file); }, ws.paperChanged,
            [&](int position) { return ChoosePaper(ws, ctx, papers, position); }};
}

}  // namespace

bool ChoosePaper(Workspace& ws, const AppContext& ctx, FileList& papers, int position) {
    if (!papers.Select(position)) return false;
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
    return SaveDocument(PaperDocument(ws, ctx, papers), ctx, papers, host);
}

std::string SavePaperAs(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host) {
    return SaveDocumentAs(PaperDocument(ws, ctx, papers), ctx, papers, host);
}

std::string DeletePaper(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host) {
    return DeleteDocument(PaperDocument(ws, ctx, papers), ctx, papers, host);
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
