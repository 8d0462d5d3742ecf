// Own JPEG writer against libjpeg-turbo at quality 75, on a camera frame and a 200-dpi A4
// page. Compare the times of the Own/System pairs; the "bytes" counter gives the size ratio.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "sources/jpeg_save.h"

namespace {

using veltora::JpegWriter;
using veltora::Raster;

Raster PhotoLike(int width, int height) {
    Raster image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int shade = 170 + static_cast<int>(50 * std::sin(x / 41.0) * std::cos(y / 57.0));
            const int ink = (x % 97 < 4 || y % 61 < 3) ? 120 : 0;
            const int v = shade - ink + (x * y) % 7;
            image.SetPixel(x, y, static_cast<std::uint32_t>(v | (v - 5) << 8 | (v - 12) << 16));
        }
    return image;
}

void Save(benchmark::State& state, int width, int height, JpegWriter which) {
    const Raster picture = PhotoLike(width, height);
    const auto file = std::filesystem::temp_directory_path() / "veltora-bench-jpeg.jpg";
    for (auto _ : state) {
        if (veltora::SaveJpeg(picture, file, 75, which)) state.SkipWithError("save failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(Save, Frame640x480_Own, 640, 480, JpegWriter::Own)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, Frame640x480_System, 640, 480, JpegWriter::System)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, A4at200dpi_Own, 1654, 2339, JpegWriter::Own)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, A4at200dpi_System, 1654, 2339, JpegWriter::System)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
