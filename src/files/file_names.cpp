#include "files/file_names.h"

#include <algorithm>
#include <system_error>

namespace veltora {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(LowerAscii(x)) < static_cast<unsigned char>(LowerAscii(y)); });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && EqualIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

}  // namespace

std::size_t FindIgnoringCase(std::string_view text, std::string_view needle) {
    const auto found = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                   [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
    if (found == text.end() && !needle.empty()) return std::string_view::npos;
    return static_cast<std::size_t>(found - text.begin());
}

std::string BaseNameOf(std::string_view entry, std::string_view extension) {
    return std::string(entry.substr(0, std::min(entry.size(), FindIgnoringCase(entry, extension))));
}

bool IsStorableBaseName(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("\\/:.\0", 5)) == std::string_view::npos;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::filesystem::path FileInFolder(const std::filesystem::path& folder, std::string_view name) {
    std::filesystem::path exact = folder / name;
    std::error_code error;
    if (std::filesystem::exists(exact, error)) return exact;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (EqualIgnoringCase(it->path().filename().string(), name)) return it->path();
    }
    return exact;
}

std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code notFile;
        if (!it->is_regular_file(notFile)) continue;
        std::string name = it->path().filename().string();
        if (EndsWithIgnoringCase(name, extension)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        if (LessIgnoringCase(a, b)) return true;
        if (LessIgnoringCase(b, a)) return false;
        return a < b;
    });
    return names;
}

}  // namespace veltora
