#include "files/score_set_file.h"

#include <string>
#include <system_error>

#include "files/file_names.h"

namespace veltora {

ScoreSetFiles ScoreSetFilesOf(const std::filesystem::path& folder, std::string_view baseName) {
    const auto member = [&](std::string_view extension) {
        return FileInFolder(folder, std::string(baseName) + std::string(extension));
    };
    return {member(".txt"), member(".CHO"), member(".DAN"), member(".FEN"), member(".JAN")};
}

bool DeleteScoreSetFiles(const std::filesystem::path& folder, std::string_view baseName) {
    if (!IsPlainFileName(baseName)) return false;
    const auto files = ScoreSetFilesOf(folder, baseName);
    bool allGone = true;
    for (const auto* file : {&files.results, &files.paper, &files.answers, &files.records, &files.points}) {
        std::error_code error;
        std::filesystem::remove(*file, error);
        allGone = allGone && !error;
    }
    return allGone;
}

}  // namespace veltora
