#include "sources/jpeg_segments.h"

#include <algorithm>

#include "sources/jpeg_error.h"

namespace veltora::jpeg {

void AppendMarker(Bytes& out, std::uint8_t marker) {
    out.push_back(0xFF);
    out.push_back(marker);
}

void AppendWord(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void AppendComment(Bytes& out, std::string_view text) {
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        throw JpegError(kJpegErrorOverflow, "Overflow");
    AppendMarker(out, 0xFE);
    AppendWord(out, static_cast<unsigned>(text.size() + 2));
    out.insert(out.end(), text.begin(), text.end());
}

void AppendQuantTable(Bytes& out, int index, const Table64& table, int precision) {
    const bool wide = std::any_of(table.begin(), table.end(), [](std::uint16_t v) { return v > 255; });
    if (wide && precision != 12)
        throw JpegError(kJpegErrorInvalid, "Illegal precission in Quantization Table");
    AppendMarker(out, 0xDB);
    AppendWord(out, wide ? 2 + 1 + 128 : 2 + 1 + 64);
    out.push_back(static_cast<std::uint8_t>((wide ? 0x10 : 0x00) | index));
    for (const std::uint16_t value : table) {
        if (wide) out.push_back(static_cast<std::uint8_t>(value >> 8));
        out.push_back(static_cast<std::uint8_t>(value));
    }
}

void AppendHuffmanTable(Bytes& out, int tableClass, int index, const HuffmanTable& table) {
    AppendMarker(out, 0xC4);
    AppendWord(out, static_cast<unsigned>(2 + 1 + 16 + table.values.size()));
    out.push_back(static_cast<std::uint8_t>(tableClass << 4 | index));
    out.insert(out.end(), table.bits.begin(), table.bits.end());
    out.insert(out.end(), table.values.begin(), table.values.end());
}

}  // namespace veltora::jpeg
