#pragma once
// The look of the report workbook: sheet names, captions, column widths and number
// formats, all taken from section "Excel" of the language file so that the workbook reads
// well in the interface language. The cells of the results themselves are not part of it.
#include <array>
#include <string>
#include <vector>

#include "app/app_context.h"

namespace veltora {

inline constexpr int kWorkbookSheets = 10;
inline constexpr int kStatisticsLabels = 17;   // A6..A22 of the statistics sheet

struct SheetDesign {
    std::string name;            // valid and unique (ignoring letter case) in the workbook
    std::string title;           // A1
    std::vector<double> widths;  // columns A, B, ...; the last one repeats to the right
};

struct WorkbookDesign {
    std::array<SheetDesign, kWorkbookSheets> sheets;  // sheet n at index n - 1
    std::string paperLabel;                            // A2 of sheets 1..7
    std::string examineeNo, name, total, wrongList;    // column headings of row 5
    std::string statisticsItem, statisticsValue;       // A5, B5 of sheet 2
    std::array<std::string, kStatisticsLabels> statisticsLabels;
    std::string band, bandCount;                       // D5, E5 of sheet 2
    std::string question, answer, mark, correctRate, optionRate;  // sheet 3
    std::string wrongListNote, wrongByQuestionNote;    // A3 of sheets 5 and 7
    std::string scoreFormat, decimalFormat, rateFormat;
    // Row 5 of sheet 1 (section "main"): examinee number, name, total, rank, score,
    // additional score.
    std::array<std::string, 6> resultHeadings;
};

WorkbookDesign LoadWorkbookDesign(const AppContext& ctx);

// "12, 10,8" -> {12, 10, 8}; entries that are not positive widths are skipped.
std::vector<double> ParseColumnWidths(const std::string& text);

}  // namespace veltora
