#include "workflow/document_commands.h"

#include <system_error>

#include "files/file_names.h"
#include "files/record_writer.h"
#include "workflow/file_command_keys.h"
#include "workflow/save_as_name.h"

namespace veltora {

namespace {

std::string WriteAndReport(const StoredDocument& document, const std::filesystem::path& file) {
    if (!document.write(file)) return std::string(kSaveFailedKey);
    document.changed = false;
    return std::string(kFileSavedKey);
}

}  // namespace

std::string SaveDocument(const StoredDocument& document, const AppContext& ctx, FileList& list, Host& host) {
    if (!list.SelectsStoredFile()) return SaveDocumentAs(document, ctx, list, host);
    const std::string name = Trimmed(list.SelectedEntry());
    if (!IsPlainFileName(name)) return std::string(kBadFileNameKey);
    return WriteAndReport(document, FileInFolder(ctx.Path(document.folder), name));
}

std::string SaveDocumentAs(const StoredDocument& document, const AppContext& ctx, FileList& list, Host& host) {
    const auto folder = ctx.Path(document.folder);
    const SaveAsName chosen = AskSaveAsName(host, ctx, folder, document.listedExtension);
    if (chosen.step == SaveAsName::Step::Cancelled) return {};
    if (chosen.step == SaveAsName::Step::Refused) return std::string(kBadFileNameKey);

    const std::string fileName = chosen.name + std::string(document.newExtension);
    std::string message = WriteAndReport(document, FileInFolder(folder, fileName));
    if (message == kFileSavedKey && !chosen.exists) document.choose(list.Add(fileName));
    return message;
}

std::string DeleteDocument(const StoredDocument& document, const AppContext& ctx, FileList& list, Host& host) {
    if (list.entries.size() <= 1) return std::string(kLastEntryKey);
    if (!list.SelectsStoredFile()) return {};
    if (!host.AskYesNo(ctx.LangText("main", kConfirmDeleteKey), "")) return {};

    const std::string name = Trimmed(list.SelectedEntry());
    std::error_code error;
    if (IsPlainFileName(name)) std::filesystem::remove(FileInFolder(ctx.Path(document.folder), name), error);
    if (error) return std::string(kDeleteFailedKey);
    list.RemoveAndSelectFirst(list.selected);
    document.choose(0);
    return {};
}

}  // namespace veltora
