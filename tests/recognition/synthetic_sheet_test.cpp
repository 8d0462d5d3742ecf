// Whole sheets drawn in code, upright and photographed in other ways, read correctly.
#include <gtest/gtest.h>

#include <random>

#include "recognition/recogniser.h"
#include "synthetic_sheet.h"

namespace veltora::test {
namespace {

const std::vector<int> kDigits{3, 0, 7, 1, 9, 4};

// Per question a mask of filled options: mostly one, some blank, some two.
std::vector<int> SampleAnswers() {
    std::vector<int> answers;
    for (int q = 1; q <= 60; ++q) answers.push_back(q % 7 == 0 ? 0 : q % 11 == 0 ? 3 : 1 << (q % 4));
    return answers;
}

// Every option cell of every question is measured clearly darker when filled than any
// empty one of the same sheet.
void ExpectAnswersReadable(const Recogniser& recogniser, const TemplateModel& model, const std::vector<int>& answers) {
    int darkestEmpty = 300, lightestFilled = -300;
    for (int q = 1; q <= model.questionsTotal; ++q) {
        const ItemLayout& item = model.questions[static_cast<std::size_t>(q)];
        for (int k = 0; k < item.fills; ++k) {
            const CellRef cell = ItemCell(item, k);
            const int darkness = recogniser.Darkness().At(cell.column, cell.row);
            if (answers[static_cast<std::size_t>(q - 1)] & (1 << k))
                lightestFilled = std::max(lightestFilled, darkness);
            else
                darkestEmpty = std::min(darkestEmpty, darkness);
        }
    }
    EXPECT_LT(lightestFilled + 60, darkestEmpty) << "filled up to " << lightestFilled << ", empty from " << darkestEmpty;
    EXPECT_LT(recogniser.Levels().min + 60, recogniser.Levels().mean);
}

struct ViewCase {
    const char* name;
    View view;
    double dpi;
    std::int16_t orientation;
};

class PhotographedSheet : public ::testing::TestWithParam<ViewCase> {};

TEST_P(PhotographedSheet, ReadsTheNumberAndEveryAnswerCell) {
    const ViewCase& c = GetParam();
    const TemplateModel model = SampleTemplate();
    const std::vector<int> answers = SampleAnswers();
    const Raster image = Photograph(DrawSheet(SampleSheet(model, kDigits, answers, c.dpi)), c.view);
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(image, model)) << "failed at stage " << static_cast<int>(recogniser.Stage());
    EXPECT_EQ(recogniser.Stage(), RecognitionStage::kDone);
    EXPECT_EQ(recogniser.Orientation(), c.orientation);
    EXPECT_EQ(recogniser.LastExamineeNo(), "307194");
    ExpectAnswersReadable(recogniser, model, answers);
}

INSTANTIATE_TEST_SUITE_P(
    Views, PhotographedSheet,
    ::testing::Values(ViewCase{"Upright150", {}, 150, kMarkTopRight},
                      ViewCase{"Upright200", {}, 200, kMarkTopRight},
                      ViewCase{"Upright300", {}, 300, kMarkTopRight},
                      ViewCase{"QuarterTurnAnticlockwise", {.quarterTurnsAnticlockwise = 1}, 150, kMarkTopLeft},
                      ViewCase{"UpsideDown", {.quarterTurnsAnticlockwise = 2}, 150, kMarkBottomLeft},
                      ViewCase{"QuarterTurnClockwise", {.quarterTurnsAnticlockwise = 3}, 150, kMarkBottomRight},
                      ViewCase{"TiltedLeft", {.degrees = -2}, 200, kMarkTopRight},
                      ViewCase{"TiltedRightUpsideDown", {.quarterTurnsAnticlockwise = 2, .degrees = 2}, 200, kMarkBottomLeft},
                      ViewCase{"Keystone", {.keystone = 0.92}, 200, kMarkTopRight},
                      ViewCase{"UnevenLight", {.lightFalloff = 0.35}, 150, kMarkTopRight},
                      ViewCase{"Noise", {.noiseSigma = 4, .seed = 7}, 150, kMarkTopRight}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.name); });

TEST(RecogniseSheet, EveryOrientationMeasuresTheSamePrintedCells) {
    const TemplateModel model = SampleTemplate();
    const Raster upright = DrawSheet(SampleSheet(model, kDigits, SampleAnswers(), 150));
    Recogniser reference;
    ASSERT_TRUE(reference.RecogniseSheet(upright, model));
    for (int turns = 1; turns <= 3; ++turns) {
        Recogniser recogniser;
        ASSERT_TRUE(recogniser.RecogniseSheet(Photograph(upright, {.quarterTurnsAnticlockwise = turns}), model));
        for (int row = 1 - model.cardHeadRows; row <= model.cardRows; ++row)
            for (int column = 1; column <= model.cardColumns; ++column)
                EXPECT_NEAR(recogniser.Darkness().At(column, row), reference.Darkness().At(column, row), 40)
                    << turns << " turns, cell " << column << "," << row;
    }
}

TEST(RecogniseSheet, FailedSheetKeepsTheLastNumberAndTheValuesComputedSoFar) {
    const TemplateModel model = SampleTemplate();
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(DrawSheet(SampleSheet(model, kDigits, SampleAnswers(), 150)), model));
    const std::int16_t cell = recogniser.Darkness().At(4, 2);

    const Raster blank(1240, 1754);
    EXPECT_FALSE(recogniser.RecogniseSheet(blank, model));
    EXPECT_EQ(recogniser.Stage(), RecognitionStage::kCoarseBorder);
    EXPECT_EQ(recogniser.LastExamineeNo(), "307194");
    EXPECT_EQ(recogniser.Darkness().At(4, 2), cell);
    EXPECT_EQ(recogniser.BrightestGrey(), 255);  // the calibration of the blank sheet
}

TEST(RecogniseSheet, CellsOutsideTheTemplateKeepEarlierValues) {
    const TemplateModel model = SampleTemplate();
    const Raster image = DrawSheet(SampleSheet(model, kDigits, SampleAnswers(), 150));
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(image, model));
    const std::int16_t digitCell = recogniser.Darkness().At(3, -7);  // digit 1 marked 3
    EXPECT_LT(digitCell, 120);

    TemplateModel noHead = model;
    noHead.cardHeadRows = 0;
    noHead.idDigitNumber = 0;
    ASSERT_TRUE(recogniser.RecogniseSheet(Photograph(image, {.quarterTurnsAnticlockwise = 2}), noHead));
    EXPECT_EQ(recogniser.LastExamineeNo(), "");
    EXPECT_EQ(recogniser.Darkness().At(3, -7), digitCell);
}

TEST(RecogniseSheet, OrientationCarriesOverWhenTheCornersTie) {
    TemplateModel model = SampleTemplate();
    SheetDrawing drawing = SampleSheet(model, kDigits, SampleAnswers(), 150);
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(Photograph(DrawSheet(drawing), {.quarterTurnsAnticlockwise = 1}), model));
    EXPECT_EQ(recogniser.Orientation(), kMarkTopLeft);

    // A frame drawn without its mark, pixel-symmetric: all four corner sums are equal.
    Raster symmetric(1200, 1600);
    for (int y = 297; y < 1303; ++y)
        for (int x = 197; x < 1003; ++x)
            if (x < 200 || x > 999 || y < 300 || y > 1299) symmetric.SetPixel(x, y, 0);
    recogniser.BeginSheet(symmetric);
    recogniser.CalibrateMiddleRow();
    ASSERT_TRUE(recogniser.DetectBorder());
    ASSERT_TRUE(recogniser.LocateCorners());
    recogniser.DetectOrientation();
    EXPECT_EQ(recogniser.Orientation(), kMarkTopLeft);
    recogniser.EndSheet();

    // Before any sheet has shown its mark, such a sheet cannot be read.
    Recogniser fresh;
    EXPECT_FALSE(fresh.RecogniseSheet(symmetric, model));
    EXPECT_EQ(fresh.Stage(), RecognitionStage::kOrientation);
}

TEST(RecogniseSheet, DegenerateImagesAreNotRecognisedAndNeverCrash) {
    const TemplateModel model = SampleTemplate();
    std::mt19937 random(11);
    Raster noise(1000, 1400);
    for (int y = 0; y < noise.Height(); ++y)
        for (int x = 0; x < noise.Width(); ++x) noise.SetPixel(x, y, random() & 0xFFFFFF);
    Raster stripes(1500, 2000);
    for (int y = 0; y < stripes.Height(); ++y)
        for (int x = 0; x < stripes.Width(); ++x) stripes.SetPixel(x, y, (x / 7 + y / 9) % 2 ? 0 : 0xFFFFFF);
    const Raster cases[] = {Raster(), Raster(1, 1), Raster(1, 1, 0), Raster(2, 2), Raster(4000, 3), Raster(3, 4000),
                            Raster(1200, 1600, 0), Raster(1200, 1600), noise, stripes, Raster(4000, 6000)};
    for (const Raster& image : cases) {
        Recogniser recogniser;
        EXPECT_FALSE(recogniser.RecogniseSheet(image, model)) << image.Width() << "x" << image.Height();
        EXPECT_EQ(recogniser.LastExamineeNo(), "");
    }
}

TEST(RecogniseSheet, TemplateBeyondTheDataModelIsRefused) {
    const Raster image = DrawSheet(SampleSheet(SampleTemplate(), kDigits, SampleAnswers(), 150));
    const struct {
        const char* name;
        void (*change)(TemplateModel&);
    } cases[] = {
        {"one row", [](TemplateModel& m) { m.cardRows = 1; }},
        {"one column", [](TemplateModel& m) { m.cardColumns = 1; }},
        {"101 columns", [](TemplateModel& m) { m.cardColumns = 101; }},
        {"21 head rows", [](TemplateModel& m) { m.cardHeadRows = 21; }},
        {"negative head rows", [](TemplateModel& m) { m.cardHeadRows = -1; }},
        {"head rows and rows beyond 101", [](TemplateModel& m) { m.cardRows = 100; m.cardHeadRows = 2; }},
        {"digit beyond row 100", [](TemplateModel& m) { m.digits[2].y = 95; }},
        {"digit return set 22", [](TemplateModel& m) { m.digits[1].returnSet = 22; }},
        {"more digits than layouts", [](TemplateModel& m) { m.idDigitNumber = 9; }},
        {"reference cell at column -21", [](TemplateModel& m) { m.questions[5].x = -20; }},
        {"negative fills", [](TemplateModel& m) { m.questions[5].fills = -1; }},
        {"question return set -1", [](TemplateModel& m) { m.questions[5].returnSet = -1; }},
    };
    for (const auto& c : cases) {
        TemplateModel model = SampleTemplate();
        c.change(model);
        Recogniser recogniser;
        EXPECT_FALSE(recogniser.RecogniseSheet(image, model)) << c.name;
        EXPECT_EQ(recogniser.Stage(), RecognitionStage::kTemplate) << c.name;
    }
}

TEST(RecogniseSheet, CornerOutsideTheImageFails) {
    // The sheet cut just inside the frame's right edge: the right side is found at the
    // image edge and the right corners fall outside.
    const TemplateModel model = SampleTemplate();
    const Raster full = DrawSheet(SampleSheet(model, kDigits, SampleAnswers(), 150));
    const int cut = static_cast<int>((105 + 21 * 5 / 2.0 - 0.4) * 150 / 25.4);
    Raster cropped(cut, full.Height());
    for (int y = 0; y < full.Height(); ++y)
        for (int x = 0; x < cut; ++x) cropped.SetPixel(x, y, static_cast<std::uint32_t>(full.ColourAt(x, y)));
    Recogniser recogniser;
    EXPECT_FALSE(recogniser.RecogniseSheet(cropped, model));
    EXPECT_EQ(recogniser.Stage(), RecognitionStage::kCorners);
    EXPECT_GE(recogniser.CornerTR().x, cut);
}

}  // namespace
}  // namespace veltora::test
