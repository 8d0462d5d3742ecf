#pragma once
// Turning the measured darkness of a recognised sheet into answers and a score.
#include <string>

#include "recognition/darkness_matrix.h"
#include "scoring/workspace.h"

namespace veltora {

// The answer text of template question i (1-based) from the darkness of its cells: the
// return texts of the filled bubbles in bubble order, "" when the question does not count
// as answered. A question that has no option, whose layout is not stored, or any of whose
// cells (the reference cell before the first option included) lies outside -20..100 is
// treated as unanswered: its cells are never read.
std::string DecideAnswer(const TemplateModel& templ, int question, const DarknessMatrix& m,
                         const GridLevels& grid);

// Stores the answers of questions 1..min(template, paper) on `sheet`, scores the sheet
// and sets ws.lastScoreText to the padded text form of the total. Questions above that
// count, and a sheet index outside 1..10000, are not touched.
void MarkDecision(Workspace& ws, int sheet, const DarknessMatrix& m, const GridLevels& grid);

}  // namespace veltora
