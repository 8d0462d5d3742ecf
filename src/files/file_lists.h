#pragma once
// The four lists of stored files the main window offers (papers, rosters, answer-sheet
// templates, score sets) and the paper and roster positions remembered between runs.
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"

namespace veltora {

// Entry 0 of the paper, roster and score-set lists, the same in every interface language.
inline constexpr std::string_view kBlankDocument = "Blank document";

inline constexpr std::string_view kPaperFolder = "ShiJuan";
inline constexpr std::string_view kRosterFolder = "MingCe";
inline constexpr std::string_view kTemplateFolder = "DaTiKa";
inline constexpr std::string_view kScoreFolder = "ChengJi";
inline constexpr std::string_view kPaperExtension = ".CHO";
inline constexpr std::string_view kRosterExtension = ".TXT";
inline constexpr std::string_view kTemplateExtension = ".DTK";
inline constexpr std::string_view kScoreSetExtension = ".CHO";

// One drop-down list: its entries and the selected position (-1: nothing selected).
struct FileList {
    std::vector<std::string> entries;
    int selected = -1;

    bool HasSelection() const { return selected >= 0 && selected < static_cast<int>(entries.size()); }
    // A selected entry after "Blank document": one that names a stored file.
    bool SelectsStoredFile() const { return selected > 0 && HasSelection(); }
    const std::string& SelectedEntry() const;  // "" without a selection
    // Selects the entry at `position`; false, the selection unchanged, when there is none.
    bool Select(int position);
    // Adds `entry` at the end and returns its position.
    int Add(std::string entry);
    // Removes the entry at `position`, selects entry 0 and returns true; false when out of range.
    bool RemoveAndSelectFirst(int position);
};

struct FileLists {
    FileList papers;     // "Blank document", then the "*.CHO" files of the paper folder
    FileList rosters;    // "Blank document", then the "*.TXT" files of the roster folder
    FileList templates;  // the "*.DTK" files of the template folder without their ending
    FileList scoreSets;  // "Blank document", then the "*.CHO" files of the score folder
};

// Fills the four lists and sets the selections to restore: the remembered paper and
// roster positions (from "sys/reg.cho", or "sys/sys.cho" when the paper position there
// reads 0), or -1 when the remembered position does not name an entry. Nothing is loaded
// here; selecting the paper and the roster loads them. The template list has no selection
// and the score-set list selects entry 0.
FileLists FillFileLists(const AppContext& ctx);

// Writes the paper and roster positions to "sys/reg.cho", section "USER". False when the
// file could not be written.
bool SaveListPositions(const AppContext& ctx, const FileLists& lists);

}  // namespace veltora
