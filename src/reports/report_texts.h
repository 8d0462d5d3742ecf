#pragma once
// Texts that both reports build from the marking tables in the same way.
#include <string>
#include <string_view>

#include "files/file_lists.h"
#include "scoring/workspace.h"

namespace veltora {

// The paper name of the reports: the selected score set (position above 0, not "Blank
// document"), otherwise the selected paper, each cut before its first ".CHO" (any letter
// case) and trimmed; "" when neither list has a selection.
std::string ReportPaperName(const FileLists& lists);
// `entry` up to, not including, its first ".CHO" (any case), trimmed; the whole entry
// trimmed when it holds no ".CHO".
std::string CutBeforeCho(std::string_view entry);

// For every question 1..testTotal whose trimmed answer on the row's sheet differs from the
// trimmed standard answer (exact, case-sensitive): a blank, the question number, the
// answer as stored and a full stop (" 3B. 7.").
std::string WrongAnswerList(const Workspace& ws, int resultRow);
// Whether the row's answer to `question` counts as wrong in the list above.
bool IsWrongAnswer(const Workspace& ws, int question, int resultRow);
// Trimmed examinee number, a blank, trimmed name.
std::string ExamineeLabel(const Workspace& ws, int resultRow);

// Single-precision points as the double their decimal text reads as (0.3f -> 0.3).
double PointsAsDouble(float points);

// Blanks, tabs and line breaks removed from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace veltora
