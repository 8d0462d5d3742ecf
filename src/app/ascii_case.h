#pragma once
// Letter case as stored names have it: only ASCII letters have a case (the names are
// pinyin and English); the bytes of other characters compare as they are.
#include <algorithm>
#include <string_view>

namespace veltora {

constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace veltora
