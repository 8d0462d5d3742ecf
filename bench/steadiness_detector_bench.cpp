// Cost of one steadiness-detector tick on a 640x480 frame, against the baseline of copying
// that frame once (what grabbing it into the sheet buffer costs at least).
#include <benchmark/benchmark.h>

#include "sources/steadiness_detector.h"

namespace {

veltora::Raster Frame() {
    veltora::Raster frame(640, 480, 0x00E0E0E0);
    for (int y = 100; y < 380; ++y)
        for (int x = 120; x < 520; ++x) frame.SetPixel(x, y, static_cast<std::uint32_t>((x * y) & 0xFF) * 0x010101u);
    return frame;
}

void CopyFrameBaseline(benchmark::State& state) {
    const veltora::Raster frame = Frame();
    for (auto _ : state) {
        veltora::Raster copy = frame;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(CopyFrameBaseline);

void DetectorTick(benchmark::State& state) {
    const veltora::Raster frame = Frame();
    veltora::SteadinessDetector detector;
    detector.Activate();
    for (auto _ : state) benchmark::DoNotOptimize(detector.Tick(frame));
}
BENCHMARK(DetectorTick);

}  // namespace

BENCHMARK_MAIN();
