#include "workflow/roster_commands.h"

#include "files/file_names.h"
#include "files/record_writer.h"
#include "files/roster_file.h"
#include "workflow/document_commands.h"

namespace veltora {

namespace {

std::filesystem::path RosterFile(const AppContext& ctx, const std::string& entry) {
    return FileInFolder(ctx.Path(kRosterFolder), Trimmed(entry));
}

// Rosters are listed by "*.TXT" and a new one is written as name + ".txt".
StoredDocument RosterDocument(Workspace& ws, const AppContext& ctx, FileList& rosters) {
    return {kRosterFolder, kRosterExtension, ".txt",
            [&ws](const std::filesystem::path& file) { return WriteRoster(ws, file); }, ws.rosterChanged,
            [&](int position) { return ChooseRoster(ws, ctx, rosters, position); }};
}

}  // namespace

bool ChooseRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, int position) {
    if (!rosters.Select(position)) return false;
    if (position == 0) {
        ws.BlankRoster();
        return true;
    }
    const std::string& entry = rosters.entries[static_cast<std::size_t>(position)];
    return IsPlainFileName(Trimmed(entry)) && ReadRoster(ws, RosterFile(ctx, entry));
}

std::string SaveRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host) {
    return SaveDocument(RosterDocument(ws, ctx, rosters), ctx, rosters, host);
}

std::string SaveRosterAs(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host) {
    return SaveDocumentAs(RosterDocument(ws, ctx, rosters), ctx, rosters, host);
}

std::string DeleteRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host) {
    return DeleteDocument(RosterDocument(ws, ctx, rosters), ctx, rosters, host);
}

}  // namespace veltora
