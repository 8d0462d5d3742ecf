// Writing and reading a full score set against writing and reading the same bytes as one
// plain file: the ratio shows what the record format and the staged replacement cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/atomic_file.h"
#include "files/score_set_file.h"

namespace {

namespace fs = std::filesystem;
using veltora::Workspace;

Workspace MarkedRun(int sheets, int questions) {
    Workspace ws;
    ws.paper.ExtendTo(questions, 1);
    for (int s = 1; s <= sheets; ++s) {
        ws.AppendSheet("/home/teacher/scans/class 3/sheet " + std::to_string(s) + ".jpg");
        ws.SetRec(s, veltora::kRecStatus, "正常");
        ws.SetRec(s, veltora::kRecExamineeNo, std::to_string(20250000 + s));
        for (int q = 1; q <= questions; ++q) {
            ws.SetAnswer(q, s, (q + s) % 5 == 0 ? "AC" : "B");
            ws.SetQuestionScore(q, s, (q + s) % 3 == 0 ? 0.0f : 1.5f);
        }
        ws.results.SetCell(s, veltora::kResNo, ws.Rec(s, veltora::kRecExamineeNo));
        ws.results.SetCell(s, veltora::kResTotal, "87.5");
    }
    ws.resultCount = static_cast<std::int16_t>(sheets);
    return ws;
}

fs::path BenchFolder() {
    const fs::path folder = fs::temp_directory_path() / "veltora-bench-scoreset";
    fs::create_directories(folder);
    return folder;
}

std::uintmax_t SetBytes(const fs::path& folder) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::directory_iterator(folder)) total += entry.file_size();
    return total;
}

void WriteSet(benchmark::State& state) {
    const Workspace ws = MarkedRun(static_cast<int>(state.range(0)), 100);
    const fs::path folder = BenchFolder();
    for (auto _ : state) {
        if (!veltora::WriteScoreSet(ws, folder, "bench")) state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(SetBytes(folder));
    fs::remove_all(folder);
}

void ReadSet(benchmark::State& state) {
    const fs::path folder = BenchFolder();
    veltora::WriteScoreSet(MarkedRun(static_cast<int>(state.range(0)), 100), folder, "bench");
    for (auto _ : state) {
        Workspace ws;
        benchmark::DoNotOptimize(veltora::ReadScoreSet(ws, folder, "bench"));
    }
    fs::remove_all(folder);
}

// The baseline: the same number of bytes written as one file through a temporary file,
// and read back whole.
void PlainBytes(benchmark::State& state) {
    const fs::path folder = BenchFolder();
    veltora::WriteScoreSet(MarkedRun(static_cast<int>(state.range(0)), 100), folder, "bench");
    const std::string bytes(SetBytes(folder), 'x');
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (auto _ : state) {
        veltora::WriteFileAtomically(folder / "plain", bytes);
        std::ifstream in(folder / "plain", std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        benchmark::DoNotOptimize(content.str());
    }
    fs::remove_all(folder);
}

BENCHMARK(WriteSet)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSet)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainBytes)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
