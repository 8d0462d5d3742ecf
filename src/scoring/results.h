#pragma once
// Score processing: matching the marked sheets to the roster, ranking the results,
// analysing every question and computing the group's statistics.
#include <string>
#include <string_view>

#include "scoring/workspace.h"

namespace veltora {

// Message key (section "main") of a result list too long to rank or sort.
inline constexpr std::string_view kTooManyResultRowsKey = "JIEGUOHANGSHUBUNENGCHAOGUO10000";

// Rebuilds the results from the roster and the marked sheets: one row per roster examinee,
// each sheet added to its examinee's row (or appended), resultSheet linking rows to sheets.
void Merge(Workspace& ws);

// The row of examinee `no` that has no sheet score yet (only when the template reads
// examinee numbers), else a new row appended with that number. Sets foundResultRow and
// lastExamineeNo. False only when the results table is full (nothing changed).
bool FindOrAddResult(Workspace& ws, std::string_view no);

// Ranks rows 1..resultCount by descending total into rankOrder and column 4 (1, 2, 2, 4).
// More than 10000 rows cannot be ranked: rankOrder is then 1..resultCount in row order,
// column 4 is emptied and kTooManyResultRowsKey is returned; "" when ranked.
std::string Rank(Workspace& ws);

// Per-question percentages of correct answers and of each option A..G among the
// participants (kept when there is none); statistics.participants; questionOrder reset.
void Analyse(Workspace& ws);

// The score statistics of the participants' totals.
void Statistics(Workspace& ws);

// Merge, Rank, Analyse and Statistics, then the scores count as changed. Returns the
// message key of a refused ranking, "" otherwise.
std::string ScoreProcessing(Workspace& ws);

}  // namespace veltora
