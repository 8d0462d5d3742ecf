#include "reports/qt/sheet_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "cli/gui_application.h"
#include "reports/qt/sheet_degradation.h"
#include "support/shipped_templates.h"
#include "support/temp_home.h"
#include "template/template_validation.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

// The recogniser's grey level of a pixel.
double Grey(QRgb pixel) { return (9798.0 * qRed(pixel) + 19235.0 * qGreen(pixel) + 3735.0 * qBlue(pixel)) / 32768; }

// Mean grey over the window the recogniser averages: +-0.2 pitch around the point.
double WindowGrey(const QImage& image, QPointF centre, double halfWidth) {
    double sum = 0;
    int count = 0;
    for (int y = static_cast<int>(centre.y() - halfWidth); y <= static_cast<int>(centre.y() + halfWidth); ++y)
        for (int x = static_cast<int>(centre.x() - halfWidth); x <= static_cast<int>(centre.x() + halfWidth); ++x) {
            sum += Grey(image.pixel(x, y));
            ++count;
        }
    return sum / count;
}

GridCell Cell(const ItemLayout& item, int position) {
    return item.orientation == 1 ? GridCell{item.x, item.y + position} : GridCell{item.x + position, item.y};
}

class RenderedTemplate : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        test::EnsureGuiApplication();
        std::string error;
        auto design = MakeSheetSpec(context_, GetParam(), error);
        ASSERT_TRUE(design) << error;
        spec_ = *design;
    }
    double Window() const { return 0.2 * spec_.layout.pitchX * spec_.dpi / 25.4; }

    AppContext context_{test::AssembledHome()};
    SheetSpec spec_;
};

TEST_P(RenderedTemplate, BlankSheetShowsFrameCalibrationAndLightBubbles) {
    const QImage image = RenderSheet(spec_);
    EXPECT_EQ(image.size(), SheetPixelSize(spec_));
    const QPointF calibration =
        CellCentrePixels(spec_, {spec_.layout.calibrationColumn, spec_.layout.calibrationRow});
    EXPECT_LT(WindowGrey(image, calibration, Window()), 20);

    const RectMm inner = FrameInnerMm(spec_.layout, spec_.model);
    const double scale = spec_.dpi / 25.4;
    const QPointF frameLeft((inner.left - spec_.layout.frameThickness / 2) * scale, (inner.top + inner.bottom) / 2 * scale);
    EXPECT_LT(Grey(image.pixel(frameLeft.toPoint())), 20);
    const QPointF mark((inner.right - spec_.layout.markSize / 2) * scale, (inner.top + spec_.layout.markSize / 2) * scale);
    EXPECT_LT(Grey(image.pixel(mark.toPoint())), 20);

    for (int q = 1; q <= spec_.model.questionsTotal; ++q) {
        const ItemLayout& item = spec_.model.questions[q];
        for (int k = -1; k < item.fills; ++k)
            EXPECT_GT(WindowGrey(image, CellCentrePixels(spec_, Cell(item, k)), Window()), 170) << q << " " << k;
    }
}

TEST_P(RenderedTemplate, FilledBubblesAreDarkWhereTheTemplateSaysAndOthersStayLight) {
    std::mt19937 random(7);
    std::vector<std::string> answers;
    for (int q = 1; q <= spec_.model.questionsTotal; ++q) {
        const int option = static_cast<int>(random() % (spec_.model.questions[q].fills + 1));  // fills = blank
        answers.push_back(option < spec_.model.questions[q].fills ? spec_.model.returnTable[1][option + 1] : "");
    }
    std::string error;
    ASSERT_TRUE(MarkAnswers(spec_, answers, error)) << error;
    const std::string number = std::string("9081726354").substr(0, static_cast<std::size_t>(spec_.model.idDigitNumber));
    ASSERT_TRUE(MarkExamineeNumber(spec_, number, error)) << error;
    const QImage image = RenderSheet(spec_);

    for (int q = 1; q <= spec_.model.questionsTotal; ++q) {
        const ItemLayout& item = spec_.model.questions[q];
        for (int k = 0; k < item.fills; ++k) {
            const double grey = WindowGrey(image, CellCentrePixels(spec_, Cell(item, k)), Window());
            const bool filled = answers[q - 1] == spec_.model.returnTable[1][k + 1];
            if (filled) EXPECT_LT(grey, 100) << "question " << q << " option " << k + 1;
            else EXPECT_GT(grey, 170) << "question " << q << " option " << k + 1;
        }
    }
    for (int d = 1; d <= spec_.model.idDigitNumber; ++d)
        for (int k = 0; k < kIdDigitCells; ++k) {
            const double grey = WindowGrey(image, CellCentrePixels(spec_, Cell(spec_.model.digits[d], k)), Window());
            if (number[d - 1] - '0' == k) EXPECT_LT(grey, 100) << "digit " << d;
            else EXPECT_GT(grey, 200) << "digit " << d << " cell " << k;
        }
}

TEST_P(RenderedTemplate, WritesAVectorPdf) {
    test::TempHome folder(false);
    ASSERT_TRUE(WriteSheetPdf(spec_, folder / "sheet.pdf"));
    EXPECT_EQ(test::ReadBytes(folder / "sheet.pdf").substr(0, 5), "%PDF-");
}

INSTANTIATE_TEST_SUITE_P(DaTiKa, RenderedTemplate, ::testing::ValuesIn(test::ShippedTemplateNames()),
                         [](const auto& info) { return info.param; });

class SheetMarks : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureGuiApplication();
        std::string error;
        auto design = MakeSheetSpec(context_, "XuanZe60_KaoHao8", error);
        ASSERT_TRUE(design) << error;
        spec_ = *design;
    }
    AppContext context_{test::AssembledHome()};
    SheetSpec spec_;
};

TEST_F(SheetMarks, SameSeedDrawsTheSameSheetAndAnotherSeedDiffers) {
    std::string error;
    ASSERT_TRUE(MarkAnswers(spec_, {"A", "bc", "", "D"}, error));
    EXPECT_EQ(spec_.marks.size(), 4u);
    SheetSpec other = spec_;
    other.seed = spec_.seed + 1;
    EXPECT_EQ(RenderSheet(spec_), RenderSheet(spec_));
    EXPECT_NE(RenderSheet(spec_), RenderSheet(other));
}

TEST_F(SheetMarks, RefusesAnswersAndNumbersTheTemplateCannotHold) {
    std::string error;
    EXPECT_FALSE(MarkAnswers(spec_, {"A", "X"}, error));
    EXPECT_EQ(error, "question 2 has no option \"X\"");
    EXPECT_FALSE(MarkAnswers(spec_, std::vector<std::string>(61, "A"), error));
    EXPECT_FALSE(MarkExamineeNumber(spec_, "123456789", error));
    EXPECT_FALSE(MarkExamineeNumber(spec_, "12a4", error));
    EXPECT_TRUE(spec_.marks.empty());
}

TEST(MakeSheetSpec, RefusesMissingAndUnprintableTemplates) {
    test::TempHome home;
    test::WriteBytes(home / "DaTiKa" / "NoPrint.DTK", "[MAIN]\r\nQuestions_Total=1\r\nCARD_Columns=5\r\nCARD_Rows=5\r\n");
    test::WriteBytes(home / "DaTiKa" / "TooBig.DTK", "[MAIN]\r\nCARD_Columns=500\r\nCARD_Rows=5\r\n");
    const AppContext context(home.Path());
    std::string error;
    EXPECT_FALSE(MakeSheetSpec(context, "Absent", error));
    EXPECT_NE(error.find("no template named \"Absent\""), std::string::npos) << error;
    EXPECT_FALSE(MakeSheetSpec(context, "NoPrint", error));
    EXPECT_NE(error.find("[PRINT]"), std::string::npos) << error;
    EXPECT_FALSE(MakeSheetSpec(context, "TooBig", error));
    EXPECT_NE(error.find("CARD_Columns is 500"), std::string::npos) << error;
}

TEST(SplitAnswers, KeepsEmptyAnswersInPlace) {
    EXPECT_EQ(SplitAnswers("A, BC,,D"), (std::vector<std::string>{"A", "BC", "", "D"}));
    EXPECT_TRUE(SplitAnswers("").empty());
}

// A white image with a black square in its top-left quarter.
QImage TestPattern() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < 12; ++y)
        for (int x = 2; x < 12; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

TEST(SheetDegradation, QuarterTurnMovesTheTopLeftToTheTopRight) {
    const QImage turned = TurnQuarter(TestPattern(), 90);
    ASSERT_EQ(turned.size(), QSize(30, 40));
    EXPECT_EQ(qRed(turned.pixel(30 - 1 - 5, 5)), 0);
    EXPECT_EQ(qRed(turned.pixel(5, 5)), 255);
    EXPECT_EQ(TurnQuarter(TestPattern(), 360), TestPattern());
}

TEST(SheetDegradation, GeometricEffectsKeepTheSizeAndUncoverTheTable) {
    const QImage rotated = RotateAboutCentre(TestPattern(), 30);
    EXPECT_EQ(rotated.size(), QSize(40, 30));
    EXPECT_EQ(rotated.pixel(0, 0), kTableColour.rgb());
    const QImage slanted = Keystone(TestPattern(), 0.8);
    EXPECT_EQ(slanted.size(), QSize(40, 30));
    EXPECT_EQ(slanted.pixel(0, 0), kTableColour.rgb());
    EXPECT_EQ(qRed(slanted.pixel(20, 29)), 255);  // the near edge keeps its width
}

TEST(SheetDegradation, LightBlurNoiseAndJpegChangeTheGreyLevelsAsAsked) {
    const QImage pattern = TestPattern();
    const QImage lit = UnevenLight(pattern, 0.6);
    EXPECT_LT(qRed(lit.pixel(39, 29)), qRed(lit.pixel(20, 15)));
    EXPECT_LT(qRed(lit.pixel(39, 29)), 110);

    const QImage blurred = GaussianBlur(pattern, 2);
    EXPECT_GT(qRed(blurred.pixel(2, 7)), 40);   // the square's edge softens
    EXPECT_LT(qRed(blurred.pixel(7, 7)), 40);   // its middle stays dark

    QImage grey(200, 200, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const QImage noisy = AddNoise(grey, 5, 3);
    double sum = 0, squares = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const double d = qRed(noisy.pixel(x, y)) - 128.0;
            sum += d;
            squares += d * d;
        }
    EXPECT_NEAR(std::sqrt(squares / 40000 - (sum / 40000) * (sum / 40000)), 5, 0.3);
    EXPECT_EQ(AddNoise(grey, 5, 3), noisy);

    const QImage compressed = JpegRoundTrip(pattern, 20);
    ASSERT_FALSE(compressed.isNull());
    EXPECT_EQ(compressed.size(), pattern.size());
}

}  // namespace
}  // namespace veltora
