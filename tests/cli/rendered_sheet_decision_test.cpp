// Every answer of a rendered sheet of every shipped template is decided right after
// recognition: turned every way, slightly tilted, keystoned, unevenly lit, noisy and
// JPEG-compressed. Answers include blanks and double marks.
#include <gtest/gtest.h>

#include <random>

#include "cli/damaged_sheet.h"
#include "cli/gui_application.h"
#include "recognition/recognition_diagnostics.h"
#include "recognition/recogniser.h"
#include "reports/qt/qimage_raster.h"
#include "scoring/mark_decision.h"
#include "support/shipped_templates.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

struct Condition {
    const char* name;
    double dpi = 150;
    test::SheetDamage damage = {};
    std::int16_t orientation = kMarkTopRight;
};

const Condition kConditions[] = {
    {.name = "Upright"},
    {.name = "Upright200", .dpi = 200},
    {.name = "Upright300", .dpi = 300},
    {.name = "QuarterTurnClockwise", .damage = {.turnClockwise = 90}, .orientation = kMarkBottomRight},
    {.name = "UpsideDown", .damage = {.turnClockwise = 180}, .orientation = kMarkBottomLeft},
    {.name = "QuarterTurnAnticlockwise", .damage = {.turnClockwise = 270}, .orientation = kMarkTopLeft},
    {.name = "TiltedPlus2", .dpi = 200, .damage = {.rotate = 2}},
    {.name = "TiltedMinus2", .damage = {.rotate = -2}},
    {.name = "Keystone", .dpi = 200, .damage = {.keystone = 0.92}},
    {.name = "UnevenLight", .damage = {.unevenLight = 0.5}},
    {.name = "Noise", .damage = {.noise = 4}},
    {.name = "Jpeg70", .dpi = 200, .damage = {.jpegQuality = 70}},
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
    std::optional<SheetSpec> design = MakeSheetSpec(context, templateName, error);
    ASSERT_TRUE(design) << error;
    design->dpi = condition.dpi;
    const std::vector<std::string> answers = RandomAnswers(design->model, 29);
    const std::optional<std::string> number = test::MarkSheet(*design, answers, "2718281828", error);
    ASSERT_TRUE(number) << error;

    Recogniser recogniser;
    const bool recognised = recogniser.RecogniseSheet(ToRaster(test::DamagedSheet(*design, condition.damage)), design->model);
    ASSERT_TRUE(recognised) << FormatDiagnostics(Diagnose(recogniser, design->model));
    EXPECT_EQ(recogniser.Orientation(), condition.orientation);
    EXPECT_EQ(recogniser.LastExamineeNo(), *number);
    for (int q = 1; q <= design->model.questionsTotal; ++q)
        EXPECT_EQ(DecideAnswer(design->model, q, recogniser.Darkness(), recogniser.Levels()), answers[static_cast<std::size_t>(q - 1)])
            << "question " << q;
}

INSTANTIATE_TEST_SUITE_P(DaTiKa, RenderedSheetDecision,
                         ::testing::Combine(::testing::ValuesIn(test::ShippedTemplateNames()), ::testing::ValuesIn(kConditions)),
                         [](const auto& info) { return std::get<0>(info.param) + "_" + std::get<1>(info.param).name; });

}  // namespace
}  // namespace veltora
