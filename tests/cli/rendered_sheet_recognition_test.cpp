// The shipped designs read back: a rendered, filled and degraded sheet of every template is
// recognised, its examinee number is read, and every filled bubble is clearly darker than
// every blank one of the same question.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "cli/damaged_sheet.h"
#include "cli/gui_application.h"
#include "recognition/recogniser.h"
#include "reports/qt/qimage_raster.h"
#include "support/shipped_templates.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

struct Condition {
    const char* name;
    test::SheetDamage damage;
};

constexpr Condition kConditions[] = {
    {"Upright", {}},
    {"QuarterTurned", {.turnClockwise = 90}},
    {"UpsideDownTilted", {.turnClockwise = 180, .rotate = -6}},
    {"Photographed",
     {.turnClockwise = 270, .rotate = 2, .keystone = 0.9, .blur = 1.5, .noise = 4, .noiseSeed = 5, .jpegQuality = 30}},
};

using Case = std::tuple<std::string, Condition>;

class RenderedSheetReads : public ::testing::TestWithParam<Case> {};

TEST_P(RenderedSheetReads, NumberAndMarksComeBack) {
    test::EnsureGuiApplication();
    const auto& [templateName, condition] = GetParam();
    const AppContext context(test::AssembledHome());
    std::string error;
    auto design = MakeSheetSpec(context, templateName, error);
    ASSERT_TRUE(design) << error;

    std::mt19937 random(11);
    std::vector<std::string> answers;
    for (int q = 1; q <= design->model.questionsTotal; ++q) {
        const int fills = design->model.questions[q].fills;
        const int option = static_cast<int>(random() % (fills + 1));  // fills: left blank
        answers.push_back(option < fills ? design->model.returnTable[1][option + 1] : "");
    }
    const std::optional<std::string> number = test::MarkSheet(*design, answers, "3141592653", error);
    ASSERT_TRUE(number) << error;

    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(ToRaster(test::DamagedSheet(*design, condition.damage)), design->model));
    EXPECT_EQ(recogniser.LastExamineeNo(), *number);
    const DarknessMatrix& darkness = recogniser.Darkness();
    for (int q = 1; q <= design->model.questionsTotal; ++q) {
        const ItemLayout& item = design->model.questions[q];
        int darkestBlank = 255, lightestFilled = 0;
        for (int k = 0; k < item.fills; ++k) {
            const int grey = item.orientation == 1 ? darkness.At(item.x, item.y + k) : darkness.At(item.x + k, item.y);
            if (answers[q - 1] == design->model.returnTable[1][k + 1]) lightestFilled = std::max(lightestFilled, grey);
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
