#pragma once
// A question list pasted from a spreadsheet: one question per line, cells separated by
// tabs: answer, points, standard.
#include <string_view>

#include "scoring/workspace.h"

namespace veltora {

// Message shown when the pasted text is no list: the text of this key in this section,
// followed by two blanks.
inline constexpr std::string_view kPasteSection = "BiaoZhunDaAn";
inline constexpr std::string_view kPasteNoListKey = "CONGEXCELZHANTIEDAAN";

// Replaces the paper's questions by the pasted lines (at most 500): answer without
// surrounding blanks, points and standard read as numbers (missing cells give 0), analysis
// and parameters 0. Lines are taken until the rest of the text holds nothing but blanks, so
// a last line without a line end counts, and so does an empty row copied at the end.
// Marks the paper changed. False, with nothing changed, when the text holds no line feed.
bool PasteQuestions(Workspace& ws, std::string_view text);

}  // namespace veltora
