#pragma once
// The four word-processor reports, each a document made from its template in the sys
// folder: results, wrong answers, score analysis and paper analysis.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "scoring/workspace.h"

namespace veltora {

inline constexpr int kWordTables = 4;
// Failure message (section "main") and the request to tick a table (section "frmToWord").
inline constexpr std::string_view kWordFailureKey = "GAIGONGNENGXUYAOANZHUANGWORD";
inline constexpr std::string_view kChooseTableKey = "TISHIYAOXUANZEBIAOGE";
inline constexpr std::string_view kWordDialogSection = "frmToWord";

// Table n (1..4) at index n - 1.
using WordTables = std::array<bool, kWordTables>;

struct WordReportResult {
    std::optional<std::string> errorKey;      // nothing on success
    std::vector<std::filesystem::path> files; // documents written, in table order
};

// "sys/score<n>.dotx" of the program folder.
std::filesystem::path WordTemplateFile(const AppContext& ctx, int table);
// folder / "<paper name>_<n>.docx" ("score_<n>.docx" without a usable paper name).
std::filesystem::path WordReportFile(const std::filesystem::path& folder, std::string_view paperName,
                                     int table);

// Counts the participants' totals into score bands of the paper's band width again:
// Bands[0..1000] and MaxBand of the statistics. A band above 1000 is counted in the band
// of the highest total so far, and 1000 itself never becomes MaxBand. Negative totals
// have no band.
void RecountBands(Workspace& ws);

// Writes a document for every ticked table into `folder`, in the order 1..4. The band
// width becomes the paper's (a width below 1 becomes 10), as the report dialog edits the
// paper's field itself; table 3 recounts the bands with it. Documents replace files of the
// same name only when every ticked document could be made; on failure errorKey is
// kChooseTableKey when no table is ticked, otherwise kWordFailureKey (a template missing
// or unfit, no result rows for tables 1 and 2, no questions for table 4, the folder not
// writable).
WordReportResult WriteWordReports(const AppContext& ctx, Workspace& ws, std::string_view paperName,
                                  const std::filesystem::path& folder, const WordTables& tables,
                                  std::int16_t bandWidth);

}  // namespace veltora
