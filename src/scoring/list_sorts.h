#pragma once
// Sorting the marking list, the results list and the analysis list by a column. The
// results and analysis lists share the workspace's markOrderFlag; every sort negates the
// flag it is given and sorts ascending when the negated flag is true.
#include <string>

#include "scoring/workspace.h"

namespace veltora {

// The marking list by MarkRec field `field` (1..20; field 4 by its number, others as
// text) into markOrder rows 1..MarkCount(). `flag` is negated first.
void SortMarkingList(Workspace& ws, int field, bool& flag);

// The results list by grid column `column` (0..5 showing Results columns 1..6; the name
// column as text, others by number) into rankOrder. Returns kTooManyResultRowsKey when the
// list is too long to sort (rankOrder unchanged), "" otherwise.
std::string SortResultsList(Workspace& ws, int column);

// The analysis list by column `column` (0 question, 1 answer as text, 2 points, 3..10
// percent correct and percent choosing A..G) into questionOrder. Columns outside the
// lists are ignored (the flag keeps its value).
void SortAnalysisList(Workspace& ws, int column);

}  // namespace veltora
