#include "workflow/roster_commands.h"

#include <system_error>

#include "files/file_names.h"
#include "files/record_writer.h"
#include "files/roster_file.h"
#include "workflow/file_command_keys.h"
#include "workflow/save_as_name.h"

namespace veltora {

namespace {

std::filesystem::path RosterFolder(const AppContext& ctx) { return ctx.Path(kRosterFolder); }

std::filesystem::path RosterFile(const AppContext& ctx, const std::string& entry) {
    return FileInFolder(RosterFolder(ctx), Trimmed(entry));
}

std::string WriteAndReport(Workspace& ws, const std::filesystem::path& file) {
    if (!WriteRoster(ws, file)) return std::string(kSaveFailedKey);
    ws.rosterChanged = false;
    return std::string(kFileSavedKey);
}

}  // namespace

bool ChooseRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, int position) {
    if (position < 0 || position >= static_cast<int>(rosters.entries.size())) return false;
    rosters.selected = position;
    if (position == 0) {
        ws.BlankRoster();
        return true;
    }
    const std::string& entry = rosters.entries[static_cast<std::size_t>(position)];
    return IsPlainFileName(Trimmed(entry)) && ReadRoster(ws, RosterFile(ctx, entry));
}

std::string SaveRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host) {
    if (rosters.selected <= 0 || !rosters.HasSelection()) return SaveRosterAs(ws, ctx, rosters, host);
    const std::string name = Trimmed(rosters.SelectedEntry());
    if (!IsPlainFileName(name)) return std::string(kBadFileNameKey);
    return WriteAndReport(ws, RosterFile(ctx, name));
}

std::string SaveRosterAs(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host) {
    const auto folder = RosterFolder(ctx);
    const SaveAsName chosen = AskSaveAsName(host, ctx, folder, kRosterExtension);
    if (chosen.step == SaveAsName::Step::Cancelled) return {};
    if (chosen.step == SaveAsName::Step::Refused) return std::string(kBadFileNameKey);

    const std::string fileName = chosen.name + ".txt";
    std::string message = WriteAndReport(ws, FileInFolder(folder, fileName));
    if (message == kFileSavedKey && !chosen.exists) ChooseRoster(ws, ctx, rosters, rosters.Add(fileName));
    return message;
}

std::string DeleteRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host) {
    if (rosters.entries.size() <= 1) return std::string(kLastEntryKey);
    if (rosters.selected <= 0 || !rosters.HasSelection()) return {};
    if (!host.AskYesNo(ctx.LangText("main", kConfirmDeleteKey), "")) return {};

    const std::string name = Trimmed(rosters.SelectedEntry());
    std::error_code error;
    if (IsPlainFileName(name)) std::filesystem::remove(RosterFile(ctx, name), error);
    if (error) return std::string(kDeleteFailedKey);
    rosters.RemoveAndSelectFirst(rosters.selected);
    ChooseRoster(ws, ctx, rosters, 0);
    return {};
}

}  // namespace veltora
