// veltora-mark: marks a batch of answer-sheet images without the desktop interface, with
// the same marking commands the main window runs, then merges, ranks and analyses them.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/atomic_file.h"
#include "app/program_folder.h"
#include "cli/mark/mark_options.h"
#include "cli/mark/mark_reports.h"
#include "cli/mark/results_report.h"
#include "cli/mark/sheet_csv.h"
#include "cli/mark/sheet_dump.h"
#include "cli/mark/terminal_host.h"
#include "files/file_lists.h"
#include "files/file_names.h"
#include "files/roster_file.h"
#include "files/score_set_file.h"
#include "scoring/paper_file.h"
#include "scoring/results.h"
#include "template/template_validation.h"
#include "workflow/marking_commands.h"
#include "workflow/paper_commands.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;

int Fail(const std::string& message, int status = kFailed) {
    std::cerr << "veltora-mark: " << message << "\n";
    return status;
}

// A name in a data folder, or a path when it names a folder of its own.
fs::path DataFile(const AppContext& ctx, std::string_view folder, const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    return FileInFolder(ctx.Path(folder), name);
}

bool Exists(const fs::path& file) {
    std::error_code error;
    return fs::is_regular_file(file, error);
}

// Loads the paper and the template it is printed on; "" or the reason it cannot be used.
std::string LoadPaper(Workspace& ws, const AppContext& ctx, const std::string& name) {
    const fs::path file = DataFile(ctx, kPaperFolder, name);
    if (!Exists(file)) return "test paper \"" + name + "\" not found in " + ctx.Path(kPaperFolder).string();
    ReadPaper(ws.paper, file);
    ws.paper.paperName = file.string();

    const FileLists lists = FillFileLists(ctx);
    const int type = ws.paper.answerSheetType;
    const int templates = static_cast<int>(lists.templates.entries.size());
    if (type < 1 || type > templates)
        return "test paper \"" + name + "\" names answer-sheet type " + std::to_string(type) + ", but " +
               ctx.Path(kTemplateFolder).string() + " holds " + std::to_string(templates) + " template(s)";
    const std::string& templateName = lists.templates.entries[static_cast<std::size_t>(type - 1)];
    if (!ChooseAnswerSheetType(ws, ctx, lists.templates, type - 1))
        return "answer-sheet template \"" + templateName + "\" cannot be read";
    const std::vector<std::string> problems = ValidateTemplate(ws.templ);
    if (!problems.empty()) return "answer-sheet template \"" + templateName + "\" cannot be used: " + problems.front();
    return "";
}

// The images of every folder (JPG files, then BMP files) and every file, in argument order.
std::vector<fs::path> CollectImages(const std::vector<fs::path>& inputs, std::string& error) {
    std::vector<fs::path> images;
    for (const fs::path& input : inputs) {
        std::error_code code;
        if (fs::is_directory(input, code)) {
            const auto found = ListBatchImages(input);
            images.insert(images.end(), found.begin(), found.end());
        } else if (fs::is_regular_file(input, code)) {
            images.push_back(input);
        } else {
            error = "no such image file or folder: " + input.string();
            return {};
        }
    }
    return images;
}

bool Write(const fs::path& file, const std::string& text) {
    if (WriteFileAtomically(file, text)) return true;
    Fail("cannot write " + file.string());
    return false;
}

int Run(int argc, char** argv) {
    std::string error;
    const auto options = ParseMarkOptions(argc, argv, error);
    if (!options) return Fail(error + "\n" + kMarkUsage, kBadArguments);
    if (options->help) {
        std::cout << kMarkUsage;
        return 0;
    }
    const std::vector<fs::path> images = CollectImages(options->inputs, error);
    if (!error.empty()) return Fail(error, kBadArguments);

    AppContext ctx(FindProgramFolder(argc, argv));
    Workspace ws;
    // Repeatable sorts: equal keys (equal totals, equal statuses) come out in the same
    // order on every run, so two runs over the same sheets print the same tables.
    ws.sortRandom = MakeUnitRandom(1);
    if (const std::string problem = LoadPaper(ws, ctx, options->paper); !problem.empty()) return Fail(problem);
    if (options->roster) {
        const fs::path roster = DataFile(ctx, kRosterFolder, *options->roster);
        if (!Exists(roster) || !ReadRoster(ws, roster))
            return Fail("roster \"" + *options->roster + "\" not found in " + ctx.Path(kRosterFolder).string());
    }

    MarkingState state;
    state.decodeJobs = options->jobs;
    std::string dump;
    if (options->dumpFile)
        state.afterSheet = [&](const SheetMarked& sheet) { dump += SheetDumpLine(ws, state.recogniser, sheet); };
    TerminalHost host(std::cerr, isatty(STDERR_FILENO) != 0);
    const BatchOutcome outcome = MarkImages(ws, state, ctx, host, images);

    if (const std::string refused = ScoreProcessing(ws); !refused.empty()) host.ShowMessage(ctx.LangText("main", refused));
    std::cout << "Sheets: " << outcome.added << " marked, " << outcome.recognised << " recognised, "
              << outcome.added - outcome.recognised << " not recognised\n\n"
              << ResultsTable(ws, ctx) << "\n"
              << StatisticsTable(ws, ctx);

    bool written = true;
    const bool saved = options->saveName && WriteScoreSet(ws, ctx.Path(kScoreFolder), *options->saveName);
    if (options->saveName && !saved)
        written = Fail("cannot save the score set \"" + *options->saveName + "\" in " + ctx.Path(kScoreFolder).string()) == 0;
    if (options->csvFile) written = Write(*options->csvFile, SheetsCsv(ws)) && written;
    if (options->dumpFile) written = Write(*options->dumpFile, dump) && written;
    for (const std::string& failure : WriteMarkReports(ctx, ws, *options, MarkPaperName(*options, saved)))
        written = Fail(failure) == 0;
    return written ? 0 : kFailed;
}

}  // namespace
}  // namespace veltora

int main(int argc, char** argv) { return veltora::Run(argc, argv); }
