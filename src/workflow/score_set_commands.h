#pragma once
// The score-set commands of the main window: save, save as, open and delete a score set
// of the score folder. Questions go through the Host; each command returns the language
// key (section "main") of the message to show afterwards, "" for none.
#include <string>

#include "app/app_context.h"
#include "files/file_lists.h"
#include "scoring/workspace.h"
#include "workflow/host.h"

namespace veltora {

struct ScoreSetOutcome {
    std::string messageKey;
    // A set was opened: the caller opens the score-processing area, which merges, ranks
    // and analyses the sheets again.
    bool opened = false;
};

// Selects entry `position` of the score-set list and, for any entry but "Blank document",
// reads that set into the workspace (paper, marked sheets, results).
ScoreSetOutcome OpenScoreSet(Workspace& ws, const AppContext& ctx, FileList& scoreSets, int position);

// Writes the set of the selected entry (Save as for "Blank document") and clears the
// scores-changed flag; a base name with "\", "/", ":" or "." is refused.
ScoreSetOutcome SaveScoreSet(Workspace& ws, const AppContext& ctx, FileList& scoreSets, Host& host);

// Asks for a new name and writes the set; a new set is added to the list and opened.
ScoreSetOutcome SaveScoreSetAs(Workspace& ws, const AppContext& ctx, FileList& scoreSets, Host& host);

// After a Yes to the fixed English question, deletes the five files of the selected set,
// removes its entry and selects "Blank document".
ScoreSetOutcome DeleteScoreSet(const AppContext& ctx, FileList& scoreSets, Host& host);

}  // namespace veltora
