#include "sources/steadiness_detector.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltora {
namespace {

// A frame showing the empty table, or a sheet (a darker area with a mark whose position
// tells the sheets apart).
Raster TableFrame(int shade = 240) { return Raster(320, 240, static_cast<std::uint32_t>(shade * 0x010101)); }

Raster SheetFrame(int mark) {
    Raster frame = TableFrame();
    for (int y = 20; y < 220; ++y)
        for (int x = 40; x < 280; ++x) frame.SetPixel(x, y, 0x00A0A0A0);
    for (int y = 30 + mark * 10; y < 60 + mark * 10; ++y)
        for (int x = 50; x < 270; ++x) frame.SetPixel(x, y, 0x00202020);
    return frame;
}

// Runs one tick per frame and lists the held frames that were read.
std::vector<Raster> Tick(SteadinessDetector& detector, const std::vector<const Raster*>& frames) {
    std::vector<Raster> reads;
    for (const Raster* frame : frames)
        if (detector.Tick(*frame) == SteadinessDetector::Action::Read) reads.push_back(detector.HeldFrame());
    return reads;
}

std::vector<const Raster*> Repeat(const Raster& frame, int ticks) { return std::vector<const Raster*>(ticks, &frame); }

// A hand passing over the table for two ticks, then `result` lying still. (A change that
// falls exactly between a cycle's last tick and the next reference, with no motion seen,
// goes unnoticed: real sheets are laid down over several frames.)
std::vector<const Raster*> Move(const Raster& result, int stillTicks) {
    static const Raster hand(320, 240, 0x00305070);
    std::vector<const Raster*> frames = {&hand, &hand};
    for (int i = 0; i < stillTicks; ++i) frames.push_back(&result);
    return frames;
}

bool Same(const Raster& a, const Raster& b) { return SampleFrame(a) == SampleFrame(b); }

TEST(SteadinessDetector, ReadsEachSheetExactlyOnce) {
    const Raster table = TableFrame();
    const Raster sheetA = SheetFrame(0);
    const Raster sheetB = SheetFrame(5);
    SteadinessDetector detector;
    detector.Activate();

    EXPECT_TRUE(Tick(detector, Repeat(table, 12)).empty()) << "nothing moved yet";

    auto reads = Tick(detector, Move(sheetA, 12));
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_TRUE(Same(reads[0], sheetA));
    EXPECT_FALSE(detector.Armed());
    EXPECT_EQ(detector.Threshold(), kAfterReadThreshold);
    EXPECT_TRUE(Tick(detector, Repeat(sheetA, 30)).empty()) << "a sheet left lying is not read again";

    // Taking the sheet away re-arms; the bare table is then offered once (recognition
    // fails on it), and the next sheet is read once.
    reads = Tick(detector, Move(table, 12));
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_TRUE(Same(reads[0], table));
    reads = Tick(detector, Move(sheetB, 12));
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_TRUE(Same(reads[0], sheetB));
}

TEST(SteadinessDetector, SmallFlickerNeitherArmsNorDisturbs) {
    const Raster light = TableFrame(240);
    const Raster flicker = TableFrame(243);  // 600 x 3 = 1800, within 2000
    SteadinessDetector detector;
    detector.Activate();
    std::vector<const Raster*> frames;
    for (int i = 0; i < 30; ++i) frames.push_back(i % 2 ? &flicker : &light);
    EXPECT_TRUE(Tick(detector, frames).empty());
    EXPECT_FALSE(detector.Armed());
}

TEST(SteadinessDetector, ReadsTheFrameOfTickTwo) {
    const Raster table = TableFrame();
    const Raster settled = SheetFrame(0);
    Raster drifted = SheetFrame(0);
    drifted.SetPixel(160, 120, 0x00000000);  // one sample point darker: still steady
    SteadinessDetector detector;
    detector.Activate();
    Tick(detector, {&table, &settled});  // reference, then change: armed, state 0
    ASSERT_TRUE(detector.Armed());
    const auto reads = Tick(detector, {&settled, &settled, &drifted});
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_TRUE(Same(reads[0], settled));
}

struct RestartCase {
    const char* name;
    int changeOnTick;  // 2 or 3 of the cycle
};

class SteadinessRestartTest : public ::testing::TestWithParam<RestartCase> {};

TEST_P(SteadinessRestartTest, AChangeRestartsTheCycle) {
    const Raster table = TableFrame();
    const Raster sheet = SheetFrame(1);
    SteadinessDetector detector;
    detector.Activate();
    std::vector<const Raster*> frames = Repeat(table, GetParam().changeOnTick - 1);
    frames.push_back(&sheet);
    EXPECT_TRUE(Tick(detector, frames).empty());
    EXPECT_EQ(detector.State(), 0);
    EXPECT_TRUE(detector.Armed());
    EXPECT_EQ(detector.Threshold(), kSteadyThreshold);
    // The next tick takes a fresh reference (state 1); the read follows on ticks 2 and 3.
    EXPECT_TRUE(Tick(detector, {&sheet}).empty());
    EXPECT_EQ(detector.State(), 1);
    EXPECT_EQ(Tick(detector, {&sheet, &sheet}).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(States, SteadinessRestartTest,
                         ::testing::Values(RestartCase{"InState2", 2}, RestartCase{"InState3", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SteadinessDetector, ActivationResetsTheThresholdOnly) {
    SteadinessDetector detector;
    EXPECT_EQ(detector.Threshold(), 0);
    detector.Activate();
    EXPECT_EQ(detector.Threshold(), kSteadyThreshold);
    EXPECT_FALSE(detector.Armed());
    EXPECT_EQ(detector.State(), 0);
}

TEST(SampleFrame, SamplesTheSixLinesUpToTheFarEdge) {
    Raster frame(100, 60, 0x00FFFFFF);
    frame.SetPixel(99, 30, 0);  // line 1, i = 99
    frame.SetPixel(50, 59, 0);  // line 2, i = 99 lands on y = 59.4 -> 59
    const FrameSamples samples = SampleFrame(frame);
    EXPECT_EQ(samples[98], 0);
    EXPECT_EQ(samples[100 + 98], 0);
    EXPECT_EQ(samples[97], 255);
    // i = 100 reaches x = W, outside the frame: it reads as the outside colour does.
    EXPECT_NE(samples[99], 255);
}

}  // namespace
}  // namespace veltora
