#pragma once
// The roster file: one record per examinee with four quoted fields — examinee number,
// name, additional score and a fourth field carried through unchanged.
#include <filesystem>

#include "scoring/workspace.h"

namespace veltora {

inline constexpr int kRosterFileFields = 4;

// Reads the roster at `path` into rows 1..n of the roster. The roster and results are
// emptied and every question score zeroed first; rosterCount = resultCount = n. Records
// are read four fields at a time regardless of line breaks; a short last record gets
// empty fields; records beyond the roster limit are ignored. When the file is missing or
// cannot be opened nothing changes and the result is false.
bool ReadRoster(Workspace& ws, const std::filesystem::path& path);

// Writes roster rows 1..rosterCount (examinee numbers without surrounding blanks),
// replacing the file only when the whole roster was written. False on failure.
bool WriteRoster(const Workspace& ws, const std::filesystem::path& path);

}  // namespace veltora
