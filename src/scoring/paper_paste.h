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
// and parameters 0. A last line without a line end counts; blank lines at the end do not.
// Marks the paper changed. False, with nothing changed, when the text holds no line feed.
bool PasteQuestions(Workspace& ws, std::string_view text);

}  // namespace veltora
