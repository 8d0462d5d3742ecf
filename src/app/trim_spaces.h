#pragma once
#include <string>
#include <string_view>

namespace veltora {

// Without leading and trailing blanks (spaces only, as typed and as stored; a tab stays).
inline std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace veltora
