#pragma once
// The results list and the statistics as plain-text tables for the terminal.
#include <string>

#include "app/app_context.h"
#include "scoring/workspace.h"

namespace veltora {

// One row per result in rank order: examinee number, name, total, rank, sheet score,
// additional score, with the headings of the language file.
std::string ResultsTable(const Workspace& ws, const AppContext& ctx);

// The statistics column: each heading with its value, then the score bands.
std::string StatisticsTable(const Workspace& ws, const AppContext& ctx);

}  // namespace veltora
