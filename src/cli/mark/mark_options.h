#pragma once
// The command line of veltora-mark.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "reports/word_report.h"

namespace veltora {

inline constexpr const char* kMarkUsage =
    "usage: veltora-mark [--home DIR] --paper NAME.CHO [--roster NAME.TXT] [--jobs N]\n"
    "                    [--save NAME] [--csv FILE] [--dump FILE] [--xlsx FILE]\n"
    "                    [--docx DIR[:1,2,3,4]] FOLDER|FILE...\n"
    "Marks the JPG files and then the BMP files of each FOLDER (and each FILE given) with\n"
    "the test paper NAME.CHO of the paper folder, merges them with the roster of the roster\n"
    "folder, and prints the results and statistics.\n"
    "  --jobs N     decode N images ahead on worker threads (1..16, default 1)\n"
    "  --save NAME  save the score set NAME in the score folder\n"
    "  --csv FILE   one row per sheet: image, status, examinee number, score, answers\n"
    "  --dump FILE  one JSON object per sheet with the recognition values\n"
    "  --xlsx FILE  the report workbook: results, statistics, paper analysis, answers and\n"
    "               points per question, wrong answers per examinee and per question\n"
    "  --docx DIR[:LIST]\n"
    "               the word-processor reports of the tables in LIST (default 1,2,3,4):\n"
    "               1 results, 2 wrong answers, 3 score analysis (bands of the paper's\n"
    "               band width), 4 paper analysis; table n goes to DIR/PAPER_n.docx\n"
    "Reports are named after the score set saved with --save, otherwise after the paper;\n"
    "a report that cannot be made is not written at all.\n";

struct MarkOptions {
    std::string paper;
    std::optional<std::string> roster;
    int jobs = 1;
    std::optional<std::string> saveName;
    std::optional<std::filesystem::path> csvFile;
    std::optional<std::filesystem::path> dumpFile;
    std::optional<std::filesystem::path> xlsxFile;
    std::optional<std::filesystem::path> docxFolder;
    WordTables docxTables{};
    std::vector<std::filesystem::path> inputs;
    bool help = false;
};

// The options, or nothing with the reason in `error`. `--home` is accepted and left to
// FindProgramFolder.
std::optional<MarkOptions> ParseMarkOptions(int argc, const char* const* argv, std::string& error);

}  // namespace veltora
