#pragma once
// Scoring one marked sheet with the current paper, and the paper's total.
#include "scoring/workspace.h"

namespace veltora {

// Scores questions 1..min(template questions, paper questions) of `sheet` (1..10000):
// writes their QuestionScore entries and MarkRec field 4 (the text form of the total) and
// returns the total. Questions above that count keep their entries. An index outside
// 1..10000 scores nothing and returns 0.
double ScoreSheet(Workspace& ws, int sheet);

// Sum of the points of questions 1..testTotal; also stored as paper.paperTotal.
double PaperTotal(TestPaper& paper);

// Number of questions both the paper and the template have (what marking and scoring
// touch), never above 500 or the template's stored layouts.
int ScoredQuestionCount(const Workspace& ws);

}  // namespace veltora
