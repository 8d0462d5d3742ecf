#pragma once
// The report workbook: result list, statistics, paper analysis, every examinee's answers
// and points per question, the wrong answers per examinee and the examinees who got each
// question wrong, on ten worksheets (questions beyond 200 continue on sheets 8 to 10).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "scoring/workspace.h"

namespace veltora {

// Message keys (section "main"): the failure message, and the notice shown afterwards.
inline constexpr std::string_view kWorkbookFailureKey = "GAIGONGNENGXUYAOANZHUANGexcel";
inline constexpr std::string_view kWorkbookDoneKey = "CHENGJIYIJINGSHUCHUDAOEXCELZHONG";

// Writes the workbook of the current results (rows in stored order, the statistics and the
// analysis as last computed) to `file`, which is replaced only when the whole workbook
// was written. Returns nothing on success, else kWorkbookFailureKey (no result rows, the
// folder cannot be written, the writer failed).
std::optional<std::string> WriteWorkbook(const AppContext& ctx, const Workspace& ws,
                                         std::string_view paperName,
                                         const std::filesystem::path& file);

}  // namespace veltora
