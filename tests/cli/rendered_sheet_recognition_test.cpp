// The shipped designs read back: a rendered, filled and degraded sheet of every template is
// recognised, its examinee number is read, and every filled bubble is clearly darker than
// every blank one of the same question.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "cli/gui_application.h"
#include "recognition/recogniser.h"
#include "reports/qt/qimage_raster.h"
#include "reports/qt/sheet_degradation.h"
#include "reports/qt/sheet_renderer.h"
#include "support/shipped_templates.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

struct Condition {
    const char* name;
    int turn;
    double rotate;
    double keystone;
    double blur;
    double noise;
    int jpegQuality;
};

constexpr Condition kConditions[] = {
    {"Upright", 0, 0, 1, 0, 0, 0},
    {"QuarterTurned", 90, 0, 1, 0, 0, 0},
    {"UpsideDownTilted", 180, -6, 1, 0, 0, 0},
    {"Photographed", 270, 2, 0.9, 1.5, 4, 30},
};

using Case = std::tuple<std::string, Condition>;

class RenderedSheetReads : public ::testing::TestWithParam<Case> {};

TEST_P(RenderedSheetReads, NumberAndMarksComeBack) {
    test::EnsureGuiApplication();
    const auto& [templateName, condition] = GetParam();
    const AppContext context(test::AssembledHome());
    std::string error;
    auto spec = MakeSheetSpec(context, templateName, error);
    ASSERT_TRUE(spec) << error;

    std::mt19937 random(11);
    std::vector<std::string> answers;
    for (int q = 1; q <= spec->model.questionsTotal; ++q) {
        const int fills = spec->model.questions[q].fills;
        const int option = static_cast<int>(random() % (fills + 1));  // fills: left blank
        answers.push_back(option < fills ? spec->model.returnTable[1][option + 1] : "");
    }
    const std::string number = std::string("3141592653").substr(0, static_cast<std::size_t>(spec->model.idDigitNumber));
    ASSERT_TRUE(MarkAnswers(*spec, answers, error) && MarkExamineeNumber(*spec, number, error)) << error;

    QImage image = TurnQuarter(RenderSheet(*spec), condition.turn);
    if (condition.rotate != 0) image = RotateAboutCentre(image, condition.rotate);
    if (condition.keystone < 1) image = Keystone(image, condition.keystone);
    if (condition.blur > 0) image = GaussianBlur(image, condition.blur);
    if (condition.noise > 0) image = AddNoise(image, condition.noise, 5);
    if (condition.jpegQuality > 0) image = JpegRoundTrip(image, condition.jpegQuality);

    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(ToRaster(image), spec->model));
    EXPECT_EQ(recogniser.LastExamineeNo(), number);
    const DarknessMatrix& darkness = recogniser.Darkness();
    for (int q = 1; q <= spec->model.questionsTotal; ++q) {
        const ItemLayout& item = spec->model.questions[q];
        int darkestBlank = 255, lightestFilled = 0;
        for (int k = 0; k < item.fills; ++k) {
            const int grey = item.orientation == 1 ? darkness.At(item.x, item.y + k) : darkness.At(item.x + k, item.y);
            if (answers[q - 1] == spec->model.returnTable[1][k + 1]) lightestFilled = std::max(lightestFilled, grey);
            else darkestBlank = std::min(darkestBlank, grey);
        }
        EXPECT_GT(darkestBlank - lightestFilled, 60) << "question " << q;
    }
}

INSTANTIATE_TEST_SUITE_P(DaTiKa, RenderedSheetReads,
                         ::testing::Combine(::testing::ValuesIn(test::ShippedTemplateNames()), ::testing::ValuesIn(kConditions)),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "_" + std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace veltora
