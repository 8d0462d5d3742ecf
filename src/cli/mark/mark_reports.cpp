#include "cli/mark/mark_reports.h"

#include <filesystem>

#include "files/file_lists.h"
#include "reports/report_texts.h"
#include "reports/workbook_writer.h"

namespace veltora {

namespace {

// A list of "Blank document" and `entry`, with `entry` selected when there is one.
FileList ListSelecting(const std::optional<std::string>& entry) {
    FileList list;
    list.Add(std::string(kBlankDocument));
    list.selected = entry ? list.Add(*entry) : 0;
    return list;
}

std::string Failure(const AppContext& ctx, const std::filesystem::path& target, std::string_view section,
                    std::string_view key) {
    return target.string() + ": " + ctx.LangText(section, key);
}

}  // namespace

std::string MarkPaperName(const MarkOptions& options, bool scoreSetSaved) {
    FileLists lists;
    lists.papers = ListSelecting(std::filesystem::path(options.paper).filename().string());
    lists.scoreSets = ListSelecting(scoreSetSaved && options.saveName
                                        ? std::optional(*options.saveName + std::string(kScoreSetExtension))
                                        : std::nullopt);
    return ReportPaperName(lists);
}

std::vector<std::string> WriteMarkReports(const AppContext& ctx, Workspace& ws, const MarkOptions& options,
                                          const std::string& paperName) {
    std::vector<std::string> failures;
    if (options.xlsxFile) {
        if (const auto key = WriteWorkbook(ctx, ws, paperName, *options.xlsxFile))
            failures.push_back(Failure(ctx, *options.xlsxFile, "main", *key));
    }
    if (options.docxFolder) {
        const WordReportResult result = WriteWordReports(ctx, ws, paperName, *options.docxFolder,
                                                         options.docxTables, ws.paper.scoreParagraphSpacing);
        if (result.errorKey) {
            const std::string_view section = *result.errorKey == kChooseTableKey ? kWordDialogSection : "main";
            failures.push_back(Failure(ctx, *options.docxFolder, section, *result.errorKey));
        }
    }
    return failures;
}

}  // namespace veltora
