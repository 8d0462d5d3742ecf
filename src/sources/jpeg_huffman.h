#pragma once
// Huffman tables of the JPEG writer, built for each image from its own symbol counts.
#include <array>
#include <cstdint>
#include <vector>

namespace veltora::jpeg {

struct HuffmanTable {
    std::array<std::uint8_t, 16> bits{};     // number of codes of length 1..16
    std::vector<std::uint8_t> values;        // HUFFVAL: by code length, then symbol
    std::array<std::uint16_t, 256> code{};   // per symbol
    std::array<std::uint8_t, 256> length{};  // per symbol; 0 = no code
};

// Occurrences of each symbol 0..255 in the data to be coded with one table.
using SymbolCounts = std::array<std::uint64_t, 256>;

// The standard's optimal-table procedure (Annex K.2): a reserved symbol with count 1 keeps
// any code from being all ones, equal counts take the larger symbol first, lengths are
// limited to 16. The codes are derived and checked (DeriveCodes).
HuffmanTable BuildOptimalTable(const SymbolCounts& counts, bool isDc, int precision);

// Assigns the codes in HUFFVAL order. Raises JpegError 1 "Bad Huffman Table" when the
// counts exceed 256, a symbol is too large (DC: 11 at precision 8, 15 at 12) or repeated,
// the codes of a length overflow it, or the table holds no code.
void DeriveCodes(HuffmanTable& table, bool isDc, int precision);

}  // namespace veltora::jpeg
