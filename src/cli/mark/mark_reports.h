#pragma once
// The report files veltora-mark writes after marking: the workbook and the word-processor
// documents, named as the main window names them.
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "cli/mark/mark_options.h"
#include "scoring/workspace.h"

namespace veltora {

// The paper name of the reports: the score set just saved (it is the selected one, as after
// "save as" in the main window), otherwise the paper of `--paper`.
std::string MarkPaperName(const MarkOptions& options, bool scoreSetSaved);

// Writes the reports the options ask for, the workbook first so it shows the score bands of
// the score processing before the score-analysis document recounts them. Returns one
// message per report that could not be made: its target and the language text of the
// reason; nothing of such a report is left on disk.
std::vector<std::string> WriteMarkReports(const AppContext& ctx, Workspace& ws, const MarkOptions& options,
                                          const std::string& paperName);

}  // namespace veltora
