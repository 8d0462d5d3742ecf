#include "cli/mark/mark_options.h"

#include <charconv>
#include <string_view>

#include "files/file_names.h"
#include "workflow/image_prefetcher.h"

namespace veltora {

namespace {

bool ParseJobs(std::string_view text, int& jobs) {
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    return failure == std::errc() && end == text.data() + text.size() && jobs >= 1 && jobs <= kMaxDecodeJobs;
}

// An output file must be creatable: its folder has to exist before a long run starts.
bool FolderExists(const std::filesystem::path& file) {
    std::error_code error;
    const auto folder = file.parent_path();
    return folder.empty() || std::filesystem::is_directory(folder, error);
}

}  // namespace

std::optional<MarkOptions> ParseMarkOptions(int argc, const char* const* argv, std::string& error) {
    MarkOptions options;
    bool paperGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            return options;
        }
        if (name.size() < 2 || name.substr(0, 2) != "--") {
            options.inputs.emplace_back(argv[i]);
            continue;
        }
        if (i + 1 >= argc) {
            error = std::string(name) + " needs a value";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (name == "--home") continue;
        if (name == "--paper") {
            options.paper = value;
            paperGiven = true;
        } else if (name == "--roster") {
            options.roster = value;
        } else if (name == "--jobs") {
            if (!ParseJobs(value, options.jobs)) {
                error = "--jobs needs a whole number from 1 to " + std::to_string(kMaxDecodeJobs) + ", not \"" + value + "\"";
                return std::nullopt;
            }
        } else if (name == "--save") {
            if (!IsStorableBaseName(value)) {
                error = "--save needs a plain name without \"\\\", \"/\", \":\" or \".\", not \"" + value + "\"";
                return std::nullopt;
            }
            options.saveName = value;
        } else if (name == "--csv" || name == "--dump") {
            if (!FolderExists(value)) {
                error = std::string(name) + ": the folder of \"" + value + "\" does not exist";
                return std::nullopt;
            }
            (name == "--csv" ? options.csvFile : options.dumpFile) = value;
        } else {
            error = "unknown option \"" + std::string(name) + "\"";
            return std::nullopt;
        }
    }
    if (!paperGiven || options.paper.empty()) {
        error = "--paper is required";
        return std::nullopt;
    }
    if (options.inputs.empty()) {
        error = "no image folder or file given";
        return std::nullopt;
    }
    return options;
}

}  // namespace veltora
