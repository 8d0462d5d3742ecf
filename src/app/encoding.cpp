#include "app/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace veltora {

namespace {

struct IconvCloser {
    void operator()(iconv_t descriptor) const { iconv_close(descriptor); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Bytes to skip over an unconvertible spot of UTF-8 text: a whole well-formed character
// (GBK lacks it), else a single byte, so a broken sequence never swallows the text after it.
std::size_t Utf8SkipLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                                                            : 1;
    if (rest.size() < length) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// Converts `input`; whatever iconv refuses (invalid or unmappable input) is skipped by
// `skip(rest)` bytes and stands as `replacement` in the output.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, Skip skip) {
    // Text that is plain ASCII is the same in both encodings: the common case costs no
    // converter at all.
    if (IsAscii(input)) return std::string(input);
    const Converter converter(iconv_open(to, from));
    if (converter.get() == reinterpret_cast<iconv_t>(-1)) return std::string(input);

    std::string output;
    output.reserve(input.size() * 3 / 2 + 16);
    char buffer[4096];
    std::size_t position = 0;
    while (position < input.size()) {
        char* in = const_cast<char*>(input.data() + position);  // iconv's API is not const
        std::size_t inLeft = input.size() - position;
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        position = input.size() - inLeft;
        if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
        // EILSEQ (invalid or unmappable) or EINVAL (sequence cut off at the end).
        output.append(replacement);
        position += std::min(skip(input.substr(position)), input.size() - position);
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);  // reset shift state
    }
    return output;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    // A byte GBK rejects is skipped alone, so a following valid character survives.
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t{1}; });
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8, "?", Utf8SkipLength);
}

}  // namespace veltora
