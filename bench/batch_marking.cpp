// A veltora-mark batch (decode, recognise, mark decision, recording, then merge, rank and
// statistics) over 200 sheet images drawn by veltora-sheet, with one decoding thread
// against two. Counters: "speedup" = time with 1 job / time with 2 jobs (goal at least
// 1.7 on two otherwise idle cores), "decode_ms" and "read_ms" = one sheet's decoding and
// its reading (recognition and mark decision) on one thread, whose mix bounds the speed-up
// at 2 * decode / (decode + read), "image_MB" = one decoded sheet, "max_rss_MB" = the process's peak
// resident memory, which stays near the baseline plus (jobs + 1) decoded images whatever
// the number of sheets.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "files/file_lists.h"
#include "files/roster_file.h"
#include "scoring/paper_file.h"
#include "scoring/results.h"
#include "workflow/marking_commands.h"
#include "workflow/image_prefetcher.h"
#include "workflow/paper_commands.h"
#include "workflow/read_sheet.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

constexpr int kSheets = 200;
constexpr int kDistinctSheets = 8;

class QuietHost : public Host {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<fs::path> ChooseFile(const std::string&, const std::string&) override { return {}; }
    std::optional<fs::path> ChooseFolder(const std::string&, const fs::path&) override { return {}; }
    void Progress(int, int, const std::string&) override {}
    void ProcessEvents() override {}
    void ShowTip(const std::string&) override {}
};

// 200 files cut from 8 drawn sheets (every way round, some noise), in a fresh folder.
std::vector<fs::path> DrawBatch(const fs::path& folder) {
    fs::create_directories(folder);
    const std::string tool = std::string(VELTORA_HOME_DIR) + "/veltora-sheet";
    std::vector<fs::path> drawn;
    for (int i = 0; i < kDistinctSheets; ++i) {
        const fs::path file = folder / ("drawn" + std::to_string(i) + ".jpg");
        const std::string command = "'" + tool + "' --home '" + VELTORA_HOME_DIR +
                                    "' --template XuanZe60_KaoHao8 --dpi 150 --answers A,B,C,D,AB --examinee 2025030" +
                                    std::to_string(i + 1) + " --turn " + std::to_string(90 * (i % 4)) +
                                    " --noise 3 --seed " + std::to_string(i + 1) + " --out '" + file.string() +
                                    "' 2>/dev/null";
        if (std::system(command.c_str()) != 0) return {};
        drawn.push_back(file);
    }
    std::vector<fs::path> batch;
    for (int i = 0; i < kSheets; ++i) {
        const fs::path file = folder / ("sheet" + std::to_string(1000 + i) + ".jpg");
        fs::copy_file(drawn[static_cast<std::size_t>(i % kDistinctSheets)], file, fs::copy_options::overwrite_existing);
        batch.push_back(file);
    }
    return batch;
}

Workspace LoadedWorkspace(const AppContext& ctx) {
    Workspace ws;
    ReadPaper(ws.paper, ctx.Path("ShiJuan/YingYu_DanYuan3.CHO"));
    const FileLists lists = FillFileLists(ctx);
    ChooseAnswerSheetType(ws, ctx, lists.templates, ws.paper.answerSheetType - 1);
    ReadRoster(ws, ctx.Path("MingCe/GaoYi3Ban.txt"));
    return ws;
}

double SecondsToMark(const Workspace& loaded, const AppContext& ctx, const std::vector<fs::path>& batch, int jobs,
                     int& recognised) {
    Workspace ws = loaded;
    MarkingState state;
    state.decodeJobs = jobs;
    QuietHost host;
    const auto start = std::chrono::steady_clock::now();
    recognised = MarkImages(ws, state, ctx, host, batch).recognised;
    ScoreProcessing(ws);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Milliseconds per sheet of decoding and of reading, one after the other on this thread.
std::pair<double, double> DecodeAndReadMilliseconds(const Workspace& loaded, const std::vector<fs::path>& files) {
    using Clock = std::chrono::steady_clock;
    Workspace ws = loaded;
    ws.currentSheet = static_cast<std::int16_t>(ws.AppendSheet("bench"));
    Recogniser recogniser;
    Clock::duration decoding{}, reading{};
    for (const fs::path& file : files) {
        const auto start = Clock::now();
        const DecodedImage decoded = DecodeImageFile(file);
        const auto decodedAt = Clock::now();
        if (decoded.image) ReadSheet(ws, recogniser, *decoded.image);
        decoding += decodedAt - start;
        reading += Clock::now() - decodedAt;
    }
    const double count = static_cast<double>(files.size());
    return {std::chrono::duration<double, std::milli>(decoding).count() / count,
            std::chrono::duration<double, std::milli>(reading).count() / count};
}

double MaxRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BatchOneJobVsTwo(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("veltora-bench-batch-" + std::to_string(::getpid()));
    const std::vector<fs::path> batch = DrawBatch(folder);
    if (batch.empty()) {
        state.SkipWithError("veltora-sheet could not draw the sheets (build it first)");
        fs::remove_all(folder);
        return;
    }
    const AppContext ctx(VELTORA_HOME_DIR);
    const Workspace loaded = LoadedWorkspace(ctx);
    double oneJob = 0, twoJobs = 0;
    int recognised = 0;
    for (auto _ : state) {
        oneJob += SecondsToMark(loaded, ctx, batch, 1, recognised);
        twoJobs += SecondsToMark(loaded, ctx, batch, 2, recognised);
    }
    const auto [decodeMs, readMs] =
        DecodeAndReadMilliseconds(loaded, std::vector<fs::path>(batch.begin(), batch.begin() + 2 * kDistinctSheets));
    state.counters["decode_ms"] = decodeMs;
    state.counters["read_ms"] = readMs;
    const double pixels = static_cast<double>(1240) * 1754;  // A4 at 150 dpi
    state.counters["speedup"] = oneJob / twoJobs;
    state.counters["sheets_per_s_1job"] = kSheets * static_cast<double>(state.iterations()) / oneJob;
    state.counters["sheets_per_s_2jobs"] = kSheets * static_cast<double>(state.iterations()) / twoJobs;
    state.counters["recognised"] = recognised;
    state.counters["image_MB"] = pixels * 4 / (1024.0 * 1024.0);
    state.counters["max_rss_MB"] = MaxRssMegabytes();
    fs::remove_all(folder);
}

BENCHMARK(BatchOneJobVsTwo)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace veltora

BENCHMARK_MAIN();
