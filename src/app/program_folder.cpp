#include "app/program_folder.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ascii_case.h"

namespace veltora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHomeOption = "--home";

// The value of the last "--home DIR" or "--home=DIR" before a "--"; "" when none.
std::string HomeOption(int argc, const char* const* argv) {
    std::string home;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") break;
        if (argument == kHomeOption && i + 1 < argc && argv[i + 1] != nullptr) {
            home = argv[++i];
        } else if (argument.starts_with(kHomeOption) && argument.substr(kHomeOption.size()).starts_with('=')) {
            home = argument.substr(kHomeOption.size() + 1);
        }
    }
    return home;
}

fs::path ExecutableFolder(int argc, const char* const* argv) {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) return executable.parent_path();
    if (argc > 0 && argv[0] != nullptr) return fs::path(argv[0]).parent_path();
    return {};
}

fs::path AbsoluteFolder(const fs::path& folder) {
    std::error_code error;
    fs::path absolute = fs::absolute(folder.empty() ? fs::path(".") : folder, error).lexically_normal();
    if (error) return folder;
    return absolute.has_filename() || absolute == absolute.root_path() ? absolute : absolute.parent_path();
}

// The spelling of an entry of `folder` that names `component`: the exact name when it
// exists, else the first case-insensitive match in name order (so the choice does not
// depend on the directory's order), else nothing.
std::optional<std::string> ExistingSpelling(const fs::path& folder, const std::string& component) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder / component, error))) return component;
    std::optional<std::string> match;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (EqualIgnoringCase(name, component) && (!match || name < *match)) match = name;
    }
    return match;
}

}  // namespace

fs::path FindProgramFolder(int argc, const char* const* argv) {
    if (const std::string home = HomeOption(argc, argv); !home.empty()) return AbsoluteFolder(home);
    if (const char* home = std::getenv("VELTORA_HOME"); home != nullptr && *home != '\0') return AbsoluteFolder(home);
    return AbsoluteFolder(ExecutableFolder(argc, argv));
}

fs::path ResolvePath(const fs::path& base, std::string_view relative) {
    // `relative` always stays below `base`: a leading separator does not make it absolute,
    // and ".." steps back only over components of `relative` itself.
    std::vector<std::string> components;
    for (std::size_t start = 0; start <= relative.size();) {
        const std::size_t end = std::min(relative.find_first_of("/\\", start), relative.size());
        const std::string_view component = relative.substr(start, end - start);
        if (component == "..") {
            if (!components.empty()) components.pop_back();
        } else if (!component.empty() && component != ".") {
            components.emplace_back(component);
        }
        start = end + 1;
    }

    fs::path resolved = base;
    bool existing = true;  // below a component that does not exist nothing can match
    for (const std::string& component : components) {
        std::optional<std::string> spelling;
        if (existing) spelling = ExistingSpelling(resolved, component);
        existing = spelling.has_value();
        resolved /= spelling.value_or(component);
    }
    return resolved;
}

std::optional<std::int16_t> CountFolderEntries(const fs::path& folder) {
    // Stored folder names may end in either separator; both mean the folder itself.
    std::string name = folder.string();
    while (name.size() > 1 && (name.back() == '/' || name.back() == '\\')) name.pop_back();

    constexpr int kMaxCount = 32767;
    int count = 0;
    std::error_code error;
    for (fs::directory_iterator it(name, error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename().string().starts_with('.')) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        if (++count > kMaxCount) return std::nullopt;
    }
    return static_cast<std::int16_t>(count);
}

}  // namespace veltora
