#pragma once
// Answer letters as the scoring compares them: texts are split into characters (UTF-8
// code points, so a template may return any character), and letters compare without
// regard to case.
#include <string>
#include <string_view>

#include "app/trim_spaces.h"

namespace veltora {

// The characters of a UTF-8 text, each folded to upper case when it is an ASCII letter.
// A byte that does not start a valid sequence counts as one character of its own.
std::u32string FoldedCharacters(std::string_view text);

// The case-insensitive equality of two texts, character by character in order.
bool SameLettersIgnoringCase(std::string_view a, std::string_view b);

// True when `letter` (one character, any case) occurs in `text` without regard to case.
bool ContainsLetter(std::string_view text, char32_t letter);

}  // namespace veltora
