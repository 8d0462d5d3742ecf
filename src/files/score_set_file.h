#pragma once
// A score set: five files with one base name in the score folder — results (".txt"), test
// paper (".CHO"), recognised answers (".DAN"), per-question points (".FEN") and marking
// records (".JAN").
#include <filesystem>
#include <string_view>

#include "scoring/workspace.h"

namespace veltora {

inline constexpr int kScoreFileFields = 19;       // fields per results and marking record
inline constexpr int kAnswerFileQuestions = 500;  // answers and points per line

struct ScoreSetFiles {
    std::filesystem::path results;  // ".txt"
    std::filesystem::path paper;    // ".CHO"
    std::filesystem::path answers;  // ".DAN"
    std::filesystem::path points;   // ".FEN"
    std::filesystem::path records;  // ".JAN"
};

// The five files of set `baseName` in `folder`; a file that exists under another letter
// case is named as it exists. `baseName` must be a plain file name (IsPlainFileName);
// the operations below refuse any other.
ScoreSetFiles ScoreSetFilesOf(const std::filesystem::path& folder, std::string_view baseName);

// Writes the set: results rows 1..resultCount, the paper, one answers and one points line
// for each of sheets 1..max(resultCount, MarkCount) (so every marked sheet is kept even
// when the results table is shorter), and marking records 1..MarkCount. All five files are
// written beside their targets first; only when all five succeeded do they replace the
// old ones, the ".CHO" file (which stands for the set in the list) last. False, with the
// files that were there untouched, when any write fails or `baseName` is not storable.
bool WriteScoreSet(const Workspace& ws, const std::filesystem::path& folder, std::string_view baseName);

// Which members of a set were found and read.
struct ScoreSetRead {
    bool results = false;
    bool paper = false;
    bool records = false;
    bool answers = false;
    bool points = false;
};

// Reads the set into the workspace. A missing member leaves its tables as they were, with
// one exception that keeps each sheet's record, answers and points together: answers and
// points are attached to sheets only together with the marking records, which replace
// the marked sheets as a whole (a sheet without an answers or points line gets empty
// answers and zero points; lines beyond the last sheet are ignored). Every file is read
// one record per line, so a damaged line never shifts the lines after it: results and
// marking records to the end of the file (blank lines skipped, at most the table's
// limit), answer and point lines one per sheet whatever the results count, fields beyond
// question 500 ignored.
// Nothing is read for a base name that is not a plain file name.
ScoreSetRead ReadScoreSet(Workspace& ws, const std::filesystem::path& folder, std::string_view baseName);

// Deletes each of the five files that exists. False when one of them could not be deleted.
bool DeleteScoreSetFiles(const std::filesystem::path& folder, std::string_view baseName);

}  // namespace veltora
