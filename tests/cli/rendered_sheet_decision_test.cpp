// Every answer of a rendered sheet of every shipped template is decided right after
// recognition: turned every way, slightly tilted, keystoned, unevenly lit, noisy and
// JPEG-compressed. Answers include blanks and double marks.
#include <gtest/gtest.h>

#include <random>

#include "cli/gui_application.h"
#include "recognition/recognition_diagnostics.h"
#include "recognition/recogniser.h"
#include "reports/qt/qimage_raster.h"
#include "reports/qt/sheet_degradation.h"
#include "reports/qt/sheet_renderer.h"
#include "scoring/mark_decision.h"
#include "support/shipped_templates.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

struct Condition {
    const char* name;
    double dpi = 150;
    int turnClockwise = 0;
    double rotate = 0;
    double keystone = 1;
    double unevenLight = 0;
    double noise = 0;
    int jpegQuality = 0;
    std::int16_t orientation = kMarkTopRight;
};

const Condition kConditions[] = {
    {.name = "Upright"},
    {.name = "Upright200", .dpi = 200},
    {.name = "Upright300", .dpi = 300},
    {.name = "QuarterTurnClockwise", .turnClockwise = 90, .orientation = kMarkBottomRight},
    {.name = "UpsideDown", .turnClockwise = 180, .orientation = kMarkBottomLeft},
    {.name = "QuarterTurnAnticlockwise", .turnClockwise = 270, .orientation = kMarkTopLeft},
    {.name = "TiltedPlus2", .dpi = 200, .rotate = 2},
    {.name = "TiltedMinus2", .rotate = -2},
    {.name = "Keystone", .dpi = 200, .keystone = 0.92},
    {.name = "UnevenLight", .unevenLight = 0.5},
    {.name = "Noise", .noise = 4},
    {.name = "Jpeg70", .dpi = 200, .jpegQuality = 70},
};

// One answer per question drawn at random from: blank, each single option, and the first
// two options together.
std::vector<std::string> RandomAnswers(const TemplateModel& model, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::string> answers;
    for (int q = 1; q <= model.questionsTotal; ++q) {
        const ItemLayout& item = model.questions[static_cast<std::size_t>(q)];
        const auto& texts = model.returnTable[static_cast<std::size_t>(item.returnSet)];
        const int pick = static_cast<int>(random() % static_cast<unsigned>(item.fills + 2));
        answers.push_back(pick == item.fills ? "" : pick == item.fills + 1 ? texts[1] + texts[2] : texts[static_cast<std::size_t>(pick + 1)]);
    }
    return answers;
}

using Case = std::tuple<std::string, Condition>;

class RenderedSheetDecision : public ::testing::TestWithParam<Case> {};

TEST_P(RenderedSheetDecision, EveryAnswerIsDecidedAsMarked) {
    test::EnsureGuiApplication();
    const auto& [templateName, condition] = GetParam();
    const AppContext context(test::AssembledHome());
    std::string error;
    std::optional<SheetSpec> spec = MakeSheetSpec(context, templateName, error);
    ASSERT_TRUE(spec) << error;
    spec->dpi = condition.dpi;
    const std::vector<std::string> answers = RandomAnswers(spec->model, 29);
    const std::string number = std::string("2718281828").substr(0, static_cast<std::size_t>(spec->model.idDigitNumber));
    ASSERT_TRUE(MarkAnswers(*spec, answers, error) && MarkExamineeNumber(*spec, number, error)) << error;

    QImage image = TurnQuarter(RenderSheet(*spec), condition.turnClockwise);
    if (condition.rotate != 0) image = RotateAboutCentre(image, condition.rotate);
    if (condition.keystone < 1) image = Keystone(image, condition.keystone);
    if (condition.unevenLight > 0) image = UnevenLight(image, condition.unevenLight);
    if (condition.noise > 0) image = AddNoise(image, condition.noise, 3);
    if (condition.jpegQuality > 0) image = JpegRoundTrip(image, condition.jpegQuality);

    Recogniser recogniser;
    const bool recognised = recogniser.RecogniseSheet(ToRaster(image), spec->model);
    ASSERT_TRUE(recognised) << FormatDiagnostics(Diagnose(recogniser, spec->model));
    EXPECT_EQ(recogniser.Orientation(), condition.orientation);
    EXPECT_EQ(recogniser.LastExamineeNo(), number);
    for (int q = 1; q <= spec->model.questionsTotal; ++q)
        EXPECT_EQ(DecideAnswer(spec->model, q, recogniser.Darkness(), recogniser.Levels()), answers[static_cast<std::size_t>(q - 1)])
            << "question " << q;
}

INSTANTIATE_TEST_SUITE_P(DaTiKa, RenderedSheetDecision,
                         ::testing::Combine(::testing::ValuesIn(test::ShippedTemplateNames()), ::testing::ValuesIn(kConditions)),
                         [](const auto& info) { return std::get<0>(info.param) + "_" + std::get<1>(info.param).name; });

}  // namespace
}  // namespace veltora
