#include "scoring/answer_text.h"

namespace veltora {

namespace {

char32_t FoldAscii(char32_t c) { return (c >= U'a' && c <= U'z') ? c - (U'a' - U'A') : c; }

}  // namespace

std::u32string FoldedCharacters(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2
                                          : (lead >> 3) == 0x1E ? 3 : -1;
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        char32_t c = extra <= 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(0xDC00 + lead);  // a lone byte stays distinguishable
            ++i;
            continue;
        }
        out.push_back(FoldAscii(c));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

bool SameLettersIgnoringCase(std::string_view a, std::string_view b) {
    return FoldedCharacters(a) == FoldedCharacters(b);
}

bool ContainsLetter(std::string_view text, char32_t letter) {
    return FoldedCharacters(text).find(FoldAscii(letter)) != std::u32string::npos;
}

}  // namespace veltora
