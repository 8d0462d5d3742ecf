// Reading one A4 answer sheet (recognition plus the mark decision and scoring with a
// paper) against decoding the same sheet's JPEG file, at 150, 200 and 300 dpi. The counter
// "vs_decode" is reading / decode processor time; the goal is at most 0.1: recognition
// reads single pixels only.
#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdlib>
#include <string>
#include <vector>

#include "recognition/image_file.h"
#include "recognition/recogniser.h"
#include "scoring/workspace.h"
#include "sources/jpeg_save.h"
#include "synthetic_sheet.h"
#include "workflow/read_sheet.h"

namespace veltora {
namespace {

// Processor time of this process: the machine is shared, so wall time says little.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// A workspace marking the sample template with a paper of one point per question, one
// listed sheet to record the answers on.
Workspace MarkingWorkspace(const TemplateModel& model) {
    Workspace ws;
    ws.templ = model;
    ws.paper.ExtendTo(model.questionsTotal, 1);
    for (int q = 1; q <= model.questionsTotal; ++q) {
        ws.paper.correctAnswer[static_cast<std::size_t>(q)] = std::string(1, static_cast<char>('A' + q % 4));
        ws.paper.mark[static_cast<std::size_t>(q)] = 1;
    }
    ws.currentSheet = static_cast<std::int16_t>(ws.AppendSheet("sheet.jpg"));
    return ws;
}

void RecognitionVsDecode(benchmark::State& state) {
    const double dpi = static_cast<double>(state.range(0));
    const TemplateModel model = test::SampleTemplate();
    std::vector<int> answers;
    for (int q = 1; q <= model.questionsTotal; ++q) answers.push_back(1 << (q % 4));
    const std::vector<std::uint8_t> jpeg =
        EncodeJpegSystem(test::DrawSheet(test::SampleSheet(model, {3, 0, 7, 1, 9, 4}, answers, dpi)), 85);
    Workspace ws = MarkingWorkspace(model);
    Recogniser recogniser;
    double decodeSeconds = 0;
    bool recognised = true;
    std::optional<Raster> image;
    for (auto _ : state) {
        state.PauseTiming();
        image.reset();  // freeing the previous image is neither decoding nor recognition
        const double start = CpuSeconds();
        image = DecodeImage(jpeg);
        decodeSeconds += CpuSeconds() - start;
        state.ResumeTiming();
        recognised = recognised && image && ReadSheet(ws, recogniser, *image);
    }
    if (!recognised) state.SkipWithError("the sheet was not recognised");
    else if (ws.lastScoreText.empty() || std::stod(ws.lastScoreText) != model.questionsTotal)
        state.SkipWithError(("the sheet scored " + ws.lastScoreText).c_str());
    state.counters["decode_cpu_ms"] = benchmark::Counter(decodeSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["vs_decode"] = 0;  // filled in by the reporter below
    state.SetLabel(std::to_string(jpeg.size() / 1024) + " KiB JPEG");
}
BENCHMARK(RecognitionVsDecode)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

// Adds the ratio of recognition time to decode time to every result.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> withRatio = runs;
        for (Run& run : withRatio) {
            const auto decode = run.counters.find("decode_cpu_ms");
            if (decode == run.counters.end() || run.iterations == 0) continue;
            const double recogniseMs = run.GetAdjustedCPUTime();  // in the run's unit: ms
            run.counters["vs_decode"] = recogniseMs / decode->second.value;
        }
        ConsoleReporter::ReportRuns(withRatio);
    }
};

}  // namespace
}  // namespace veltora

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    veltora::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
