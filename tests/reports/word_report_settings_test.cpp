#include "reports/word_report_settings.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "support/temp_home.h"

namespace veltora::test {
namespace {

TEST(WordTableBoxesTest, RememberedInRegChoAsPaddedNumbers) {
    TempHome home;
    const AppContext ctx(home.Path());
    EXPECT_EQ(ReadWordTableBoxes(ctx), (WordTableBoxes{0, 0, 0, 0}));  // missing keys read 0
    ASSERT_TRUE(SaveWordTableBoxes(ctx, {1, 0, 1, 0}));
    EXPECT_EQ(ReadProfile("FrmToWORD", "BIOAOGE1", ctx.RegFile()), "1");  // stored " 1", read trimmed
    EXPECT_EQ(ReadWordTableBoxes(ctx), (WordTableBoxes{1, 0, 1, 0}));
    EXPECT_EQ(ChosenTables({1, 0, 1, 2}), (WordTables{true, false, true, false}));
    WriteProfile("FrmToWORD", "BIOAOGE2", "0.5", ctx.RegFile());  // rounds half to even
    WriteProfile("FrmToWORD", "BIOAOGE4", "1.5", ctx.RegFile());
    EXPECT_EQ(ReadWordTableBoxes(ctx), (WordTableBoxes{1, 0, 1, 2}));
}

struct BoxCase {
    const char* typed;
    std::int16_t before;
    const char* shown;
    std::int16_t width;
};

class BandWidthEditTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BandWidthEditTest, ShowsTheNumberTheTextReadsAs) {
    const BandWidthBox box = EditBandWidthBox(GetParam().typed, GetParam().before);
    EXPECT_EQ(box.text, GetParam().shown);
    EXPECT_EQ(box.width, GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Dialog, BandWidthEditTest,
                         ::testing::Values(BoxCase{"12a", 10, "12", 12}, BoxCase{"", 10, "0", 0},
                                           BoxCase{"2.5", 10, "2.5", 2}, BoxCase{"99999", 7, "99999", 7}));

TEST(BandWidthBoxTest, LeavingOrOpeningTurnsWidthsBelowOneIntoTen) {
    EXPECT_EQ(LeaveBandWidthBox("0").text, "10");
    EXPECT_EQ(LeaveBandWidthBox("0").width, 10);
    EXPECT_EQ(LeaveBandWidthBox("-3").width, 10);
    EXPECT_EQ(LeaveBandWidthBox("99999").width, 10);
    EXPECT_EQ(LeaveBandWidthBox("15").text, "15");
    EXPECT_EQ(OpenBandWidthBox(0).text, "10");
    EXPECT_EQ(OpenBandWidthBox(5).width, 5);
}

}  // namespace
}  // namespace veltora::test
