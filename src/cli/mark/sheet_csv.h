#pragma once
// The per-sheet table of veltora-mark as CSV (RFC 4180, UTF-8): image, status, examinee
// number, score and the answers of questions 1.. joined by "|" (empty for a sheet that was
// not read), one row per sheet in list entry order after a heading row.
#include <string>
#include <string_view>

#include "scoring/workspace.h"

namespace veltora {

// The field quoted when it holds a comma, quote, line break or surrounding blank.
std::string CsvField(std::string_view text);

std::string SheetsCsv(const Workspace& ws);

}  // namespace veltora
