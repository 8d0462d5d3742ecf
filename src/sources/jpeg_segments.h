#pragma once
// Byte-level pieces of a JPEG file: marker segments and the entropy-coded bit stream.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sources/jpeg_huffman.h"
#include "sources/jpeg_tables.h"

namespace veltora::jpeg {

using Bytes = std::vector<std::uint8_t>;

void AppendMarker(Bytes& out, std::uint8_t marker);
void AppendWord(Bytes& out, unsigned value);  // big-endian 16 bits

// COM segment, one byte per character. Raises JpegError 6 "Overflow" for a character
// without a single-byte code (anything outside ASCII).
void AppendComment(Bytes& out, std::string_view text);

// DQT segment for table `index`. Entries above 255 need 16-bit entries, which only
// precision 12 allows: otherwise JpegError 1 "Illegal precission in Quantization Table".
void AppendQuantTable(Bytes& out, int index, const Table64& table, int precision);

// DHT segment; `tableClass` 0 = DC, 1 = AC.
void AppendHuffmanTable(Bytes& out, int tableClass, int index, const HuffmanTable& table);

// Entropy-coded data: bits most significant first, 0xFF followed by a stuffed 0x00.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}
    void Put(unsigned value, int count) {
        for (int bit = count - 1; bit >= 0; --bit) {
            if ((value >> bit) & 1u) accumulator_ |= mask_;
            mask_ >>= 1;
            if (mask_ == 0) Emit();
        }
    }
    // Completes a partial byte with 1-bits.
    void Flush() {
        if (mask_ == 0x80) return;
        while (mask_ != 0) {
            accumulator_ |= mask_;
            mask_ >>= 1;
        }
        Emit();
    }

private:
    void Emit() {
        out_.push_back(accumulator_);
        if (accumulator_ == 0xFF) out_.push_back(0x00);
        accumulator_ = 0;
        mask_ = 0x80;
    }
    Bytes& out_;
    std::uint8_t accumulator_ = 0;
    std::uint8_t mask_ = 0x80;
};

}  // namespace veltora::jpeg
