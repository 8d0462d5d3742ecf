#pragma once
// The roster commands of the main window: choose, save, save as and delete a roster file
// of the roster folder. Questions go through the Host; each command returns the language
// key (section "main") of the message to show afterwards, "" for none.
#include <string>

#include "app/app_context.h"
#include "files/file_lists.h"
#include "scoring/workspace.h"
#include "workflow/host.h"

namespace veltora {

// Selects entry `position` of the roster list. Entry 0 ("Blank document") empties the
// roster; any other entry reads its file, which discards the results and every sheet's
// question scores. False when the position names no entry or the file has vanished: the
// roster stays as it was.
bool ChooseRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, int position);

// Writes the roster to the selected file (Save as for "Blank document") and clears the
// roster-changed flag. A write that fails leaves the file and the flag as they were.
std::string SaveRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host);

// Asks for a new name and writes name + ".txt"; a new file is added to the list and
// chosen, which reads it back.
std::string SaveRosterAs(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host);

// After a Yes, deletes the selected file, removes its entry and chooses "Blank document".
std::string DeleteRoster(Workspace& ws, const AppContext& ctx, FileList& rosters, Host& host);

}  // namespace veltora
