#pragma once
// The paper commands of the main window: choose, save, save as and delete a paper file of
// the paper folder, choose the answer-sheet template, paste a question list, and take the
// paper another program handed over. Commands returning a string return the language key
// (section "main") of the message to show afterwards, "" for none. After a command that
// changed the paper the interface shows it again.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "files/file_lists.h"
#include "scoring/workspace.h"
#include "workflow/host.h"

namespace veltora {

// Selects entry `position` of the paper list. Entry 0 ("Blank document") leaves the paper
// without questions; any other entry reads its file (a missing file reads as empty) and
// becomes paperName. False when the position names no entry or no plain file name.
bool ChoosePaper(Workspace& ws, const AppContext& ctx, FileList& papers, int position);

// Entry `position` of the template list becomes the paper's answer-sheet type (1-based)
// and the template is loaded. False when the entry does not exist or does not load.
bool ChooseAnswerSheetType(Workspace& ws, const AppContext& ctx, const FileList& templates, int position);

// Writes the paper to the selected file (Save as for "Blank document") and clears the
// paper-changed flag. A write that fails leaves the file and the flag as they were.
std::string SavePaper(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host);

// Asks for a new name and writes name + ".CHO"; a new file is added to the list and chosen,
// which reads it back.
std::string SavePaperAs(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host);

// After a Yes, deletes the selected file, removes its entry and chooses "Blank document".
std::string DeletePaper(Workspace& ws, const AppContext& ctx, FileList& papers, Host& host);

// Replaces the questions by a list copied from a spreadsheet; shows the hint of the paste
// command through the host when the text is no list. True when the paper changed.
bool PastePaperQuestions(Workspace& ws, const AppContext& ctx, std::string_view clipboardText, Host& host);

// The file through which another program hands over a paper: $VELTORA_HANDOFF when set,
// else "tg_key.txt" in the home folder; nothing when neither is known.
std::optional<std::filesystem::path> HandOffFile();

// At start-up: when the hand-off file exists, "Blank document" is selected, the paper is
// read from the file under the name "tg_key.txt" and the file is deleted. True when a
// paper was taken (the interface then shows it).
bool TakeHandOffPaper(Workspace& ws, FileList& papers, const std::filesystem::path& file);

}  // namespace veltora
