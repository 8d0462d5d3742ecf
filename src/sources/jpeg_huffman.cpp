#include "sources/jpeg_huffman.h"

#include <limits>

#include "sources/jpeg_error.h"

namespace veltora::jpeg {

namespace {

constexpr int kReserved = 256;
constexpr int kSymbols = 257;

[[noreturn]] void BadTable() { throw JpegError(kJpegErrorInvalid, "Bad Huffman Table"); }

// The symbol with the smallest non-zero count other than `skip`; on equal counts the
// larger symbol. -1 when there is none.
int Smallest(const std::array<std::uint64_t, kSymbols>& freq, int skip) {
    int found = -1;
    std::uint64_t least = std::numeric_limits<std::uint64_t>::max();
    for (int i = 0; i < kSymbols; ++i) {
        if (freq[i] != 0 && freq[i] <= least && i != skip) {
            least = freq[i];
            found = i;
        }
    }
    return found;
}

}  // namespace

HuffmanTable BuildOptimalTable(const SymbolCounts& counts, bool isDc, int precision) {
    std::array<std::uint64_t, kSymbols> freq{};
    std::copy(counts.begin(), counts.end(), freq.begin());
    freq[kReserved] = 1;
    std::array<int, kSymbols> codeSize{};
    std::array<int, kSymbols> others;
    others.fill(-1);
    // Join the two least frequent trees until one is left; a symbol's code size is its depth.
    for (;;) {
        int c1 = Smallest(freq, -1);
        int c2 = Smallest(freq, c1);
        if (c2 < 0) break;
        freq[c1] += freq[c2];
        freq[c2] = 0;
        ++codeSize[c1];
        while (others[c1] >= 0) {
            c1 = others[c1];
            ++codeSize[c1];
        }
        others[c1] = c2;
        ++codeSize[c2];
        while (others[c2] >= 0) {
            c2 = others[c2];
            ++codeSize[c2];
        }
    }
    std::array<int, kSymbols + 1> bits{};  // depth can reach 256 in theory
    for (const int size : codeSize) {
        if (size > 0) ++bits[size];
    }
    // Move codes longer than 16 bits up the tree, two at a time.
    for (int i = kSymbols; i > 16; --i) {
        while (bits[i] > 0) {
            int j = i - 2;
            while (bits[j] == 0) --j;
            bits[i] -= 2;
            bits[i - 1] += 1;
            bits[j + 1] += 2;
            bits[j] -= 1;
        }
    }
    // Drop the reserved symbol: it has the longest code.
    int longest = 16;
    while (longest > 0 && bits[longest] == 0) --longest;
    if (longest > 0) --bits[longest];

    HuffmanTable table;
    for (int i = 1; i <= 16; ++i) table.bits[i - 1] = static_cast<std::uint8_t>(bits[i]);
    for (int size = 1; size <= kSymbols; ++size) {
        for (int symbol = 0; symbol < kReserved; ++symbol) {
            if (codeSize[symbol] == size) table.values.push_back(static_cast<std::uint8_t>(symbol));
        }
    }
    DeriveCodes(table, isDc, precision);
    return table;
}

void DeriveCodes(HuffmanTable& table, bool isDc, int precision) {
    int total = 0;
    for (const std::uint8_t count : table.bits) total += count;
    if (total > 256 || total == 0 || static_cast<std::size_t>(total) > table.values.size()) BadTable();
    const int largestSymbol = isDc ? (precision == 12 ? 15 : 11) : 255;
    std::array<bool, 256> seen{};
    table.code.fill(0);
    table.length.fill(0);
    unsigned code = 0;
    std::size_t next = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int n = 0; n < table.bits[length - 1]; ++n) {
            const std::uint8_t symbol = table.values[next++];
            if (symbol > largestSymbol || seen[symbol]) BadTable();
            seen[symbol] = true;
            table.code[symbol] = static_cast<std::uint16_t>(code);
            table.length[symbol] = static_cast<std::uint8_t>(length);
            ++code;
        }
        // The all-ones code is refused too: decoders reserve it.
        if (code >= (1u << length)) BadTable();
        code <<= 1;
    }
}

}  // namespace veltora::jpeg
