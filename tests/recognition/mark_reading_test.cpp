// Nudging cell centres onto the mark, and the diagnostics of a read sheet.
#include <gtest/gtest.h>

#include "recognition/recognition_diagnostics.h"
#include "recognition/recogniser.h"
#include "synthetic_sheet.h"

namespace veltora {
namespace {

constexpr std::uint32_t Grey(int level) { return static_cast<std::uint32_t>(level) * 0x010101u; }

// White, with a black run on the middle row for full contrast (255 - 0) and a dark disc
// of radius 10 around (cx, 100).
Raster DiscImage(int cx) {
    Raster image(1501, 600);
    for (int x = 1000; x < 1100; ++x) image.SetPixel(x, 300, 0);
    for (int y = 80; y <= 120; ++y)
        for (int x = cx - 20; x <= cx + 20; ++x)
            if ((x - cx) * (x - cx) + (y - 100) * (y - 100) <= 100) image.SetPixel(x, y, 0);
    return image;
}

TEST(RefineCentre, CentredMarkKeepsTheCentre) {
    const Raster image = DiscImage(700);
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    ASSERT_EQ(recogniser.BrightestGrey() - recogniser.DarkestGrey(), 255);
    const Point16 p = recogniser.RefineCentre({700, 100}, 20);
    EXPECT_EQ(p.x, 700);
    EXPECT_EQ(p.y, 100);
}

TEST(RefineCentre, MarkLeftOfTheCentrePullsItLeft) {
    // Samples 4 apart: right at 708..720 white; left at 692, 688 inside the disc around
    // 696. Sx = 2 * 255, x' = 700 - 4 * 510 / 255 = 692.
    const Raster image = DiscImage(696);
    Recogniser recogniser;
    recogniser.BeginSheet(image);
    recogniser.CalibrateMiddleRow();
    const Point16 p = recogniser.RefineCentre({700, 100}, 20);
    EXPECT_EQ(p.x, 692);
    EXPECT_EQ(p.y, 100);
}

TEST(RefineCentre, NoContrastOnTheMiddleRowGivesNoCentre) {
    // Dividing by BrightestGrey - DarkestGrey = 0 has no defined result.
    const Raster uniform(1501, 600, Grey(200));
    Recogniser recogniser;
    recogniser.BeginSheet(uniform);
    recogniser.CalibrateMiddleRow();
    ASSERT_EQ(recogniser.BrightestGrey(), recogniser.DarkestGrey());
    recogniser.RefineCentre({700, 100}, 20);
    EXPECT_TRUE(recogniser.ValueOutOfRange());
}

TEST(ReadMarks, UniformMiddleRowLeavesTheCellsUnread) {
    const TemplateModel model = test::SampleTemplate();
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(test::DrawSheet(test::SampleSheet(model, {1, 2, 3, 4, 5, 6}, {1}, 150)), model));
    const std::int16_t cell = recogniser.Darkness().At(3, 2);

    // The frame, corners and grid of that sheet, but a middle row without contrast (1501
    // wide, so that the last sample x = 1500 still lies inside the image).
    const Raster uniform(1501, 1754, Grey(200));
    recogniser.BeginSheet(uniform);
    recogniser.CalibrateMiddleRow();
    EXPECT_FALSE(recogniser.ReadMarks(model));
    EXPECT_FALSE(recogniser.ValueOutOfRange());
    EXPECT_EQ(recogniser.Darkness().At(3, 2), cell);
    recogniser.EndSheet();
}

TEST(Diagnostics, ListEveryQuestionAndDigitCellOfARecognisedSheet) {
    const TemplateModel model = test::SampleTemplate();
    const Raster image = test::DrawSheet(test::SampleSheet(model, {1, 2, 3, 4, 5, 6}, {1}, 150));
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(image, model));
    const RecognitionDiagnostics d = Diagnose(recogniser, model);
    EXPECT_EQ(d.stage, RecognitionStage::kDone);
    EXPECT_EQ(d.orientation, kMarkTopRight);
    EXPECT_EQ(d.sampleStep, 1);
    EXPECT_EQ(d.cells.size(), 60u * 5 + 6u * 10);
    const CellDarkness& reference = d.cells.front();
    EXPECT_EQ(reference.position, -1);
    EXPECT_EQ(reference.column, 2);
    EXPECT_EQ(reference.row, 2);
    EXPECT_LT(d.cells[1].darkness, 120);  // question 1, option A filled
    const std::string text = FormatDiagnostics(d);
    EXPECT_NE(text.find("stage=done\n"), std::string::npos);
    EXPECT_NE(text.find("Q1.0=(3,2) "), std::string::npos);
    EXPECT_NE(text.find("ID6.5=(8,-5) "), std::string::npos);
}

TEST(Diagnostics, FailedSheetNamesTheStageAndSide) {
    Recogniser recogniser;
    EXPECT_FALSE(recogniser.RecogniseSheet(Raster(800, 1000, 0), test::SampleTemplate()));
    const RecognitionDiagnostics d = Diagnose(recogniser, test::SampleTemplate());
    EXPECT_TRUE(d.cells.empty());
    const std::string text = FormatDiagnostics(d);
    EXPECT_NE(text.find("stage=coarse_border\nfailed_side=left\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace veltora
