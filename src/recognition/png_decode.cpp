// PNG through libpng's simplified reading interface, which catches libpng's errors itself
// and reports them as a failed call. Transparency is laid over white paper.
#include <vector>

#include <png.h>

#include "recognition/image_decoders.h"
#include "recognition/image_file.h"

namespace veltora::detail {

namespace {

// Frees libpng's reading state on every way out.
struct PngReader {
    png_image image{};
    PngReader() { image.version = PNG_IMAGE_VERSION; }
    ~PngReader() { png_image_free(&image); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

}  // namespace

std::optional<Raster> DecodePng(std::span<const std::uint8_t> bytes, std::string& error) {
    PngReader reader;
    png_image& png = reader.image;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        error = std::string("damaged PNG file: ") + png.message;
        return std::nullopt;
    }
    if (!ImageSizeAcceptable(png.width, png.height)) {
        error = "PNG image too large: " + std::to_string(png.width) + " x " + std::to_string(png.height);
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGB;
    const png_color white{255, 255, 255};
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, &white, pixels.data(), 0, nullptr)) {
        error = std::string("damaged PNG file: ") + png.message;
        return std::nullopt;
    }
    const int width = static_cast<int>(png.width);
    const int height = static_cast<int>(png.height);
    Raster image(width, height);
    for (int y = 0; y < height; ++y) {
        const png_byte* row = pixels.data() + static_cast<std::size_t>(y) * width * 3;
        std::uint32_t* out = image.Row(y);
        for (int x = 0; x < width; ++x) {
            out[x] = std::uint32_t{row[3 * x]} | std::uint32_t{row[3 * x + 1]} << 8 | std::uint32_t{row[3 * x + 2]} << 16;
        }
    }
    return image;
}

}  // namespace veltora::detail
