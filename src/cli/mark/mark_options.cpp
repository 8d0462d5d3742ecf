#include "cli/mark/mark_options.h"

#include <algorithm>
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

// The file option `name` sets, or null for other options.
std::optional<std::filesystem::path>* OutputFile(MarkOptions& options, std::string_view name) {
    if (name == "--csv") return &options.csvFile;
    if (name == "--dump") return &options.dumpFile;
    if (name == "--xlsx") return &options.xlsxFile;
    return nullptr;
}

// "1,3": the tables to tick, each of 1..kWordTables at least once.
bool ParseTableList(std::string_view list, WordTables& tables) {
    tables = {};
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::string_view item = list.substr(at, comma - at);
        int table = 0;
        const auto [end, failure] = std::from_chars(item.data(), item.data() + item.size(), table);
        if (item.empty() || failure != std::errc() || end != item.data() + item.size() || table < 1 ||
            table > kWordTables)
            return false;
        tables[static_cast<std::size_t>(table - 1)] = true;
        at = comma + 1;
    }
    return true;
}

// "DIR" or "DIR:LIST"; the list follows the last colon, so a folder with a colon in its
// name needs an explicit list.
std::string ParseDocx(const std::string& value, MarkOptions& options) {
    const std::size_t colon = value.rfind(':');
    const std::string folder = value.substr(0, colon);
    if (colon == std::string::npos) {
        options.docxTables.fill(true);
    } else if (!ParseTableList(std::string_view(value).substr(colon + 1), options.docxTables)) {
        return "--docx needs the tables as numbers from 1 to " + std::to_string(kWordTables) +
               " separated by commas, not \"" + value.substr(colon + 1) + "\"";
    }
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return "--docx: the folder \"" + folder + "\" does not exist";
    options.docxFolder = folder;
    return "";
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
        } else if (std::optional<std::filesystem::path>* file = OutputFile(options, name)) {
            if (!FolderExists(value)) {
                error = std::string(name) + ": the folder of \"" + value + "\" does not exist";
                return std::nullopt;
            }
            *file = value;
        } else if (name == "--docx") {
            error = ParseDocx(value, options);
            if (!error.empty()) return std::nullopt;
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
