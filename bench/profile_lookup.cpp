// Reading and writing a 500-question profile: one ProfileFile for all keys against one
// ReadProfile / WriteProfile call per key, and the cached language table against a read
// of the language file per text. Compare the times within one run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_context.h"
#include "app/profile.h"

namespace {

namespace fs = std::filesystem;
using namespace veltora;

constexpr int kQuestions = 500;
const char* const kKeys[] = {"CorrectAnswer", "Mark", "Standard", "Fills", "Remark"};

fs::path Folder() {
    static const fs::path folder = [] {
        const fs::path made = fs::temp_directory_path() / ("veltora-bench-" + std::to_string(::getpid()));
        fs::create_directories(made);
        return made;
    }();
    return folder;
}

fs::path Paper() {
    const fs::path file = Folder() / "paper.CHO";
    if (!fs::exists(file)) {
        std::ofstream out(file, std::ios::binary);
        out << "[TestPaper]\r\nQuestions_Total=" << kQuestions << "\r\n";
        for (int q = 1; q <= kQuestions; ++q) {
            out << "[Q" << q << "]\r\n";
            for (const char* key : kKeys) out << key << "=ABCD\r\n";
        }
    }
    return file;
}

// One round over every key of the paper; returns the bytes read.
std::size_t ReadEveryKey(auto read) {
    std::size_t bytes = 0;
    for (int q = 1; q <= kQuestions; ++q) {
        for (const char* key : kKeys) bytes += read("q" + std::to_string(q), key).size();
    }
    return bytes;
}

void ProfileFileLookups(benchmark::State& state) {
    const fs::path file = Paper();
    for (auto _ : state) {
        const ProfileFile profile(file);
        benchmark::DoNotOptimize(ReadEveryKey([&](const std::string& section, const char* key) {
            return profile.Read(section, key);
        }));
    }
}
BENCHMARK(ProfileFileLookups)->Unit(benchmark::kMillisecond);

void ReadProfilePerKey(benchmark::State& state) {
    const fs::path file = Paper();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadEveryKey([&](const std::string& section, const char* key) {
            return ReadProfile(section, key, file);
        }));
    }
}
BENCHMARK(ReadProfilePerKey)->Unit(benchmark::kMillisecond);

void SaveAllKeys(benchmark::State& state) {
    const fs::path file = Folder() / "written.CHO";
    for (auto _ : state) {
        ProfileFile profile;
        for (int q = 1; q <= kQuestions; ++q) {
            for (const char* key : kKeys) profile.Write("Q" + std::to_string(q), key, "ABCD");
        }
        benchmark::DoNotOptimize(profile.Save(file));
    }
}
BENCHMARK(SaveAllKeys)->Unit(benchmark::kMillisecond);

void WriteProfilePerKey(benchmark::State& state) {
    const fs::path file = Folder() / "written.CHO";
    for (auto _ : state) {
        fs::remove(file);
        for (int q = 1; q <= kQuestions; ++q) {
            for (const char* key : kKeys) WriteProfile("Q" + std::to_string(q), key, "ABCD", file);
        }
    }
}
BENCHMARK(WriteProfilePerKey)->Unit(benchmark::kMillisecond)->Iterations(2);

void LangTextCached(benchmark::State& state) {
    const AppContext context(VELTORA_HOME_DIR);
    for (auto _ : state) benchmark::DoNotOptimize(context.LangText("main", "tuichu"));
}
BENCHMARK(LangTextCached);

void LangTextReadEachTime(benchmark::State& state) {
    const AppContext context(VELTORA_HOME_DIR);
    for (auto _ : state) benchmark::DoNotOptimize(ReadProfile("main", "tuichu", context.LanguageFile()));
}
BENCHMARK(LangTextReadEachTime);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Folder());
}
