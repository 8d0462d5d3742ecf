#include "sources/scanner_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "recognition/image_file.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

struct LookStep {
    std::vector<std::string> add;
    std::vector<std::string> remove;
    std::vector<std::string> expectedReads;
};

struct WatchCase {
    const char* name;
    std::vector<std::string> atStart;
    std::vector<LookStep> looks;
};

class ScannerFolderWatchTest : public ::testing::TestWithParam<WatchCase> {};

TEST_P(ScannerFolderWatchTest, ReadsOnlyNewFiles) {
    test::TempHome home(false);
    const fs::path folder = home / "scans";
    for (const std::string& name : GetParam().atStart) test::WriteBytes(folder / name, "x");
    ScannerFolderWatch watch(folder);
    watch.Start();
    int lookNumber = 0;
    for (const LookStep& step : GetParam().looks) {
        ++lookNumber;
        for (const std::string& name : step.remove) fs::remove(folder / name);
        for (const std::string& name : step.add) test::WriteBytes(folder / name, "x");
        std::vector<std::string> reads;
        watch.Look([&](const std::string& name) { reads.push_back(name); });
        // Several new files come in listing order; compare as sets of one look.
        std::sort(reads.begin(), reads.end());
        std::vector<std::string> expected = step.expectedReads;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(reads, expected) << "look " << lookNumber;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ScannerFolderWatchTest,
    ::testing::Values(
        WatchCase{"FilesPresentAtStartAreNeverRead", {"a.jpg", "b.jpg"}, {{{}, {}, {}}, {{"c.jpg"}, {}, {"c.jpg"}}}},
        WatchCase{"SameCountAfterSwapReadsNothingButLearns",
                  {"a.jpg"},
                  {{{"b.jpg"}, {"a.jpg"}, {}}, {{"c.jpg"}, {}, {"c.jpg"}}}},
        WatchCase{"NameInsideAKnownNameIsNotNew", {"11.jpg"}, {{{"1.jpg"}, {}, {}}}},
        WatchCase{"KnownNameInsideANewNameIsNew", {"1.jpg"}, {{{"11.jpg"}, {}, {"11.jpg"}}}},
        WatchCase{"SeveralNewFilesInOneLook", {}, {{{"s1.jpg", "s2.jpg", "s3.jpg"}, {}, {"s1.jpg", "s2.jpg", "s3.jpg"}}}},
        WatchCase{"OnlyJpegFilesCount", {}, {{{"a.bmp", "b.txt"}, {}, {}}, {{"c.JPG"}, {}, {"c.JPG"}}}},
        WatchCase{"FewerFilesReadNothing", {"a.jpg", "b.jpg"}, {{{}, {"a.jpg"}, {}}, {{"a.jpg"}, {}, {"a.jpg"}}}},
        WatchCase{"AFileIsReadOnce", {}, {{{"x.jpg"}, {}, {"x.jpg"}}, {{}, {}, {}}, {{"y.jpg"}, {}, {"y.jpg"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScannerFolderWatch, MissingFolderListsNothing) {
    ScannerFolderWatch watch("/nonexistent/veltora/scans");
    watch.Start();
    int reads = 0;
    watch.Look([&](const std::string&) { ++reads; });
    EXPECT_EQ(reads, 0);
}

TEST(ScannerSettings, ReadsTheIniWithDefaults) {
    test::TempHome home(false);
    test::WriteBytes(home / "scaner.ini", "[0]\r\nProgramFile=/opt/scan/run\r\n[main]\r\nDefaultPath=/srv/scans\r\n");
    const ScannerSettings set = ReadScannerSettings(home / "scaner.ini");
    EXPECT_EQ(set.programFile, "/opt/scan/run");
    EXPECT_EQ(set.watchedFolder, fs::path("/srv/scans"));

    test::WriteBytes(home / "empty.ini", "[main]\r\nDefaultPath=\r\n");
    const ScannerSettings defaults = ReadScannerSettings(home / "empty.ini");
    EXPECT_EQ(defaults.programFile, "");
    EXPECT_EQ(defaults.watchedFolder, fs::path(std::getenv("HOME")));
    EXPECT_EQ(ReadScannerSettings(home / "missing.ini").watchedFolder, fs::path(std::getenv("HOME")));
}

TEST(StartScannerProgram, StartsOnlyAnExistingProgram) {
    test::TempHome home(false);
    EXPECT_FALSE(StartScannerProgram(""));
    EXPECT_FALSE(StartScannerProgram((home / "missing").string()));
    const fs::path script = home / "scan.sh";
    test::WriteBytes(script, "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
    fs::permissions(script, fs::perms::owner_all);
    EXPECT_TRUE(StartScannerProgram(script.string()));
    for (int i = 0; i < 200 && !fs::exists(home / "started"); ++i) usleep(10000);
    EXPECT_TRUE(fs::exists(home / "started"));
}

TEST(LoadWhenComplete, RetriesWhileTheFileIsBeingWritten) {
    test::TempHome home(false);
    const fs::path file = home / "sheet.jpg";
    Raster picture(16, 16, 0x00808080);
    std::vector<std::uint8_t> bmp = EncodeBmp(picture);
    test::WriteBytes(file, std::string(bmp.begin(), bmp.begin() + 30));  // half written
    int waits = 0;
    const auto image = LoadWhenComplete(file, [&] {
        if (++waits == 3) test::WriteBytes(file, std::string(bmp.begin(), bmp.end()));
    });
    ASSERT_TRUE(image);
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(image->Width(), 16);
}

TEST(LoadWhenComplete, GivesUpAfterTwentyRetries) {
    test::TempHome home(false);
    test::WriteBytes(home / "broken.jpg", "\xFF\xD8\xFF");
    int waits = 0;
    EXPECT_FALSE(LoadWhenComplete(home / "broken.jpg", [&] { ++waits; }));
    EXPECT_EQ(waits, 20);
}

}  // namespace
}  // namespace veltora
