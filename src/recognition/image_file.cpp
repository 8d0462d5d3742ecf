#include "recognition/image_file.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "recognition/file_bytes.h"
#include "recognition/image_decoders.h"

namespace veltora {

namespace {

// A compressed file larger than this is not a sheet image.
constexpr std::uintmax_t kMaxImageFileBytes = std::uintmax_t{1} << 30;

bool StartsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

void PutLe16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}
void PutLe32(std::uint8_t* at, std::uint32_t value) {
    PutLe16(at, value);
    PutLe16(at + 2, value >> 16);
}

}  // namespace

bool ImageSizeAcceptable(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

std::optional<Raster> DecodeImage(std::span<const std::uint8_t> bytes, std::string* error) {
    static constexpr std::array<std::uint8_t, 3> kJpeg{0xFF, 0xD8, 0xFF};
    static constexpr std::array<std::uint8_t, 2> kBmp{'B', 'M'};
    static constexpr std::array<std::uint8_t, 8> kPng{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::string reason;
    std::optional<Raster> image;
    if (StartsWith(bytes, kJpeg)) {
        image = detail::DecodeJpeg(bytes, reason);
    } else if (StartsWith(bytes, kBmp)) {
        image = detail::DecodeBmp(bytes, reason);
    } else if (StartsWith(bytes, kPng)) {
        image = detail::DecodePng(bytes, reason);
    } else {
        reason = "not a JPEG, BMP or PNG image";
    }
    if (!image && error) *error = std::move(reason);
    return image;
}

std::optional<Raster> LoadImageFile(const std::filesystem::path& file, std::string* error) {
    std::string reason;
    std::optional<Raster> image;
    if (const auto bytes = ReadFileBytes(file, kMaxImageFileBytes, &reason)) {
        image = DecodeImage(*bytes, &reason);
        if (!image) reason = file.string() + ": " + reason;
    }
    if (!image && error) *error = std::move(reason);
    return image;
}

std::vector<std::uint8_t> EncodeBmp(const Raster& image) {
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    const auto width = static_cast<std::uint32_t>(image.Width());
    const auto height = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint64_t pixelBytes = std::uint64_t{stride} * height;
    std::vector<std::uint8_t> out(kHeaderBytes + pixelBytes, 0);
    std::uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    PutLe32(h + 2, static_cast<std::uint32_t>(std::min<std::uint64_t>(out.size(), 0xFFFFFFFFu)));
    PutLe32(h + 10, kHeaderBytes);
    PutLe32(h + 14, 40);
    PutLe32(h + 18, width);
    PutLe32(h + 22, height);
    PutLe16(h + 26, 1);
    PutLe16(h + 28, 24);
    PutLe32(h + 34, static_cast<std::uint32_t>(std::min<std::uint64_t>(pixelBytes, 0xFFFFFFFFu)));
    PutLe32(h + 38, 3780);  // 96 dpi
    PutLe32(h + 42, 3780);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint32_t* source = image.Row(static_cast<int>(height - 1 - y));
        std::uint8_t* row = out.data() + kHeaderBytes + std::uint64_t{stride} * y;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t colour = source[x];
            row[3 * x] = static_cast<std::uint8_t>(colour >> 16);     // blue
            row[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);  // green
            row[3 * x + 2] = static_cast<std::uint8_t>(colour);       // red
        }
    }
    return out;
}

bool SaveBmp(const Raster& image, const std::filesystem::path& file, std::string* error) {
    if (image.Empty()) {
        if (error) *error = "empty image";
        return false;
    }
    return WriteFileBytes(file, EncodeBmp(image), true, error);
}

}  // namespace veltora
