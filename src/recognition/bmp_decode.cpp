// Windows bitmaps: 1, 4 and 8 bits with a palette, 16 and 32 bits with or without bit
// masks, 24 bits; bottom-up (positive height) or top-down (negative height); uncompressed
// only. Every header value is checked against the bytes actually present before anything
// is allocated, so a lying header is a refusal, never a read past the data.
#include <array>
#include <bit>
#include <vector>

#include "recognition/image_decoders.h"
#include "recognition/image_file.h"

namespace veltora::detail {

namespace {

constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;  // the old OS/2 header: 16-bit sizes, 3-byte palette

std::uint32_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8;
}
std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

std::uint32_t Bgr(unsigned r, unsigned g, unsigned b) { return (b << 16) | (g << 8) | r; }

// One colour channel packed under a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    unsigned Of(std::uint32_t pixel) const {
        return max == 0 ? 0u : static_cast<unsigned>(std::uint64_t{(pixel & mask) >> shift} * 255u / max);
    }
};

bool ValidMask(std::uint32_t mask) {
    // Contiguous run of ones: adding the lowest set bit clears it entirely.
    return mask == 0 || ((mask + (mask & -mask)) & mask) == 0;
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // positive; `topDown` carries the sign
    bool topDown = false;
    std::uint32_t bits = 0;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoBytes = 0;
    std::uint32_t paletteUsed = 0;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

std::optional<Header> ReadHeader(std::span<const std::uint8_t> b, std::string& error) {
    if (b.size() < kFileHeaderBytes + 4) {
        error = "truncated BMP header";
        return std::nullopt;
    }
    Header h;
    h.pixelOffset = Le32(b, 10);
    h.infoBytes = Le32(b, kFileHeaderBytes);
    if ((h.infoBytes != kCoreHeaderBytes && h.infoBytes < 40) || b.size() < kFileHeaderBytes + h.infoBytes) {
        error = "damaged BMP header";
        return std::nullopt;
    }
    const std::size_t info = kFileHeaderBytes;
    std::uint32_t planes = 0;
    if (h.infoBytes == kCoreHeaderBytes) {
        h.width = Le16(b, info + 4);
        h.height = Le16(b, info + 6);
        planes = Le16(b, info + 8);
        h.bits = Le16(b, info + 10);
    } else {
        h.width = static_cast<std::int32_t>(Le32(b, info + 4));
        h.height = static_cast<std::int32_t>(Le32(b, info + 8));
        planes = Le16(b, info + 12);
        h.bits = Le16(b, info + 14);
        h.compression = Le32(b, info + 16);
        h.paletteUsed = Le32(b, info + 32);
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (planes != 1) {
        error = "damaged BMP header";
        return std::nullopt;
    }
    if (!ImageSizeAcceptable(h.width, h.height)) {
        error = "BMP image size refused: " + std::to_string(h.width) + " x " + std::to_string(h.height);
        return std::nullopt;
    }
    const bool masked = h.bits == 16 || h.bits == 32;
    if (h.compression == kCompressionBitFields && masked) {
        // The masks follow a 40-byte header; larger headers hold them in the same place.
        if (b.size() < info + 52) {
            error = "truncated BMP header";
            return std::nullopt;
        }
        h.masks = {Le32(b, info + 40), Le32(b, info + 44), Le32(b, info + 48)};
    } else if (h.compression == kCompressionNone && h.bits == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (h.compression == kCompressionNone && h.bits == 32) {
        h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    } else if (h.compression != kCompressionNone) {
        error = "compressed BMP files are not supported";
        return std::nullopt;
    }
    for (const std::uint32_t mask : h.masks) {
        if (!ValidMask(mask)) {
            error = "damaged BMP colour masks";
            return std::nullopt;
        }
    }
    switch (h.bits) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default:
        error = "unsupported BMP depth: " + std::to_string(h.bits);
        return std::nullopt;
    }
    return h;
}

// The palette as 0x00BBGGRR colours. Entries beyond the palette present in the file read
// as black, so a pixel index can never reach past the table.
std::vector<std::uint32_t> ReadPalette(std::span<const std::uint8_t> b, const Header& h) {
    std::vector<std::uint32_t> palette;
    if (h.bits > 8) return palette;
    const std::size_t full = std::size_t{1} << h.bits;
    palette.assign(full, 0);
    const std::size_t entryBytes = h.infoBytes == kCoreHeaderBytes ? 3 : 4;
    const std::size_t start = kFileHeaderBytes + h.infoBytes;
    const std::size_t end = std::min<std::size_t>(h.pixelOffset, b.size());
    const std::size_t declared = h.paletteUsed == 0 ? full : std::min<std::size_t>(h.paletteUsed, full);
    for (std::size_t i = 0; i < declared && start + (i + 1) * entryBytes <= end; ++i) {
        const std::size_t at = start + i * entryBytes;
        palette[i] = Bgr(b[at + 2], b[at + 1], b[at]);
    }
    return palette;
}

}  // namespace

std::optional<Raster> DecodeBmp(std::span<const std::uint8_t> b, std::string& error) {
    const auto header = ReadHeader(b, error);
    if (!header) return std::nullopt;
    const Header& h = *header;
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bits + 31) / 32 * 4;
    const std::uint64_t needed = std::uint64_t{h.pixelOffset} + stride * static_cast<std::uint64_t>(h.height);
    if (h.pixelOffset < kFileHeaderBytes + h.infoBytes || needed > b.size()) {
        error = "truncated BMP file";
        return std::nullopt;
    }
    const std::vector<std::uint32_t> palette = ReadPalette(b, h);
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height);
    Raster image(width, height);
    for (int y = 0; y < height; ++y) {
        const int fileRow = h.topDown ? y : height - 1 - y;
        const std::uint8_t* row = b.data() + h.pixelOffset + stride * static_cast<std::uint64_t>(fileRow);
        std::uint32_t* out = image.Row(y);
        for (int x = 0; x < width; ++x) {
            switch (h.bits) {
            case 1: out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
            case 8: out[x] = palette[row[x]]; break;
            case 24: out[x] = Bgr(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            default: {
                const std::size_t bytes = h.bits / 8;
                std::uint32_t pixel = 0;
                for (std::size_t k = 0; k < bytes; ++k) pixel |= std::uint32_t{row[bytes * x + k]} << (8 * k);
                out[x] = Bgr(red.Of(pixel), green.Of(pixel), blue.Of(pixel));
            }
            }
        }
    }
    return image;
}

}  // namespace veltora::detail
