// The templates that come with the program must load, stay within the data model and
// follow the measured rules for sheets the recogniser reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

#include "app/app_context.h"
#include "app/encoding.h"
#include "app/profile.h"
#include "app/text_to_number.h"
#include "support/shipped_templates.h"
#include "support/temp_home.h"
#include "template/print_layout.h"
#include "template/template_loader.h"
#include "template/template_validation.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;
using Cell = std::pair<int, int>;

// Every cell an item uses, the reference cell before a question's first option included.
std::vector<Cell> ItemCells(const ItemLayout& item, int first, int last) {
    std::vector<Cell> cells;
    for (int k = first; k <= last; ++k)
        cells.push_back(item.orientation == 1 ? Cell{item.x, item.y + k} : Cell{item.x + k, item.y});
    return cells;
}

std::vector<Cell> UsedCells(const TemplateModel& model) {
    std::vector<Cell> cells;
    for (int q = 1; q <= model.questionsTotal; ++q) {
        const auto item = ItemCells(model.questions[q], -1, model.questions[q].fills - 1);
        cells.insert(cells.end(), item.begin(), item.end());
    }
    for (int d = 1; d <= model.idDigitNumber; ++d) {
        const auto item = ItemCells(model.digits[d], 0, kIdDigitCells - 1);
        cells.insert(cells.end(), item.begin(), item.end());
    }
    return cells;
}

class ShippedTemplate : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTemplate(context_, GetParam(), model_));
        std::string error;
        auto layout = LoadPrintLayout(context_, GetParam(), model_, error);
        ASSERT_TRUE(layout) << error;
        layout_ = *layout;
    }
    AppContext context_{test::AssembledHome()};
    TemplateModel model_;
    PrintLayout layout_;
};

TEST_P(ShippedTemplate, StaysWithinTheDataModel) {
    EXPECT_TRUE(ValidateTemplate(model_).empty()) << ::testing::PrintToString(ValidateTemplate(model_));
    EXPECT_GT(model_.questionsTotal, 0);
}

TEST_P(ShippedTemplate, FrameIsSmallEnoughAndHoldsTheSheetCentre) {
    const RectMm inner = FrameInnerMm(layout_, model_);
    EXPECT_LE(inner.right - inner.left, 0.63 * layout_.paperWidth);
    EXPECT_LE(inner.bottom - inner.top, 0.63 * layout_.paperWidth);
    const double centreX = layout_.paperWidth / 2;
    const double centreY = layout_.paperHeight / 2;
    EXPECT_GE(std::min({centreX - inner.left, inner.right - centreX, centreY - inner.top, inner.bottom - centreY}),
              30.0);
}

// The edge follower backs off 1/70 of the image width from the frame; on a sheet turned a
// quarter the image is as wide as the paper is high. Marks nearer the frame than that reach
// can be taken for the frame.
TEST_P(ShippedTemplate, MarksStayOutOfTheEdgeFollowersReach) {
    const RectMm inner = FrameInnerMm(layout_, model_);
    const double reach = std::max(layout_.paperWidth, layout_.paperHeight) / 70;
    const double radiusX = layout_.bubbleSize * layout_.pitchX / 2;
    const double radiusY = layout_.bubbleSize * layout_.pitchY / 2;
    for (const Cell& cell : UsedCells(model_)) {
        if (cell.second < 1) continue;  // head rows lie outside the frame
        const PointMm centre = CellCentreMm(layout_, cell.first, cell.second);
        EXPECT_GE(std::min(centre.x - radiusX - inner.left, inner.right - centre.x - radiusX), reach)
            << cell.first << "," << cell.second;
        EXPECT_GE(std::min(centre.y - radiusY - inner.top, inner.bottom - centre.y - radiusY), reach)
            << cell.first << "," << cell.second;
    }
}

TEST_P(ShippedTemplate, CellsAreUsedOnceAndLeaveThePaddingFree) {
    std::set<Cell> seen;
    for (const Cell& cell : UsedCells(model_)) {
        EXPECT_TRUE(seen.insert(cell).second) << "cell used twice: " << cell.first << "," << cell.second;
        EXPECT_TRUE(cell.first > 1 && cell.first < model_.cardColumns) << cell.first << "," << cell.second;
        const bool inHeadRows = cell.second < 0;  // row 0 holds the frame
        EXPECT_TRUE(inHeadRows || (cell.second > 1 && cell.second < model_.cardRows))
            << cell.first << "," << cell.second;
        EXPECT_GE(cell.second, 1 - model_.cardHeadRows);
    }
    // Digit labels are printed beside the first digit column: that column must be free.
    for (int d = 1; d <= model_.idDigitNumber; ++d) EXPECT_EQ(model_.digits[d].orientation, 1);
    if (model_.idDigitNumber > 0) {
        const ItemLayout labels{1, 10, 0, static_cast<std::int16_t>(model_.digits[1].x - 1), model_.digits[1].y};
        for (const Cell& cell : ItemCells(labels, 0, kIdDigitCells - 1)) EXPECT_FALSE(seen.count(cell));
    }
}

TEST_P(ShippedTemplate, CalibrationCellIsFreeInteriorAndOffTheCentreLines) {
    const Cell calibration{layout_.calibrationColumn, layout_.calibrationRow};
    const std::vector<Cell> used = UsedCells(model_);
    EXPECT_EQ(std::count(used.begin(), used.end(), calibration), 0);
    EXPECT_GE(calibration.first, 2);
    EXPECT_LE(calibration.first, model_.cardColumns - 1);
    EXPECT_GE(calibration.second, 2);
    EXPECT_LE(calibration.second, model_.cardRows - 1);
    const PointMm centre = CellCentreMm(layout_, calibration.first, calibration.second);
    const double halfSide = layout_.calibrationSize * layout_.pitchX / 2;
    EXPECT_GT(std::abs(centre.x - layout_.paperWidth / 2), halfSide + layout_.pitchX / 2);
    EXPECT_GT(std::abs(centre.y - layout_.paperHeight / 2), halfSide + layout_.pitchY / 2);
}

INSTANTIATE_TEST_SUITE_P(DaTiKa, ShippedTemplate, ::testing::ValuesIn(test::ShippedTemplateNames()),
                         [](const auto& info) { return info.param; });

TEST(ShippedPapers, NameATemplateThatHoldsTheirQuestions) {
    const AppContext context(test::AssembledHome());
    const std::vector<std::string> templates = test::ShippedTemplateNames();
    int papers = 0;
    for (const auto& entry : fs::directory_iterator(test::AssembledHome() / "ShiJuan")) {
        const ProfileFile paper(entry.path());
        const int type = static_cast<int>(TextToNumber(paper.Read("MAIN", "AnswerSheetType")));
        ASSERT_GE(type, 1) << entry.path();
        ASSERT_LE(type, static_cast<int>(templates.size())) << entry.path();
        TemplateModel model;
        ASSERT_TRUE(LoadTemplate(context, templates[type - 1], model));
        EXPECT_EQ(TextToNumber(paper.Read("MAIN", "TestTotal")), model.questionsTotal) << entry.path();
        ++papers;
    }
    EXPECT_EQ(papers, static_cast<int>(templates.size()));
}

TEST(ShippedRoster, NumbersFitTheEightDigitTemplate) {
    const AppContext context(test::AssembledHome());
    TemplateModel model;
    ASSERT_TRUE(LoadTemplate(context, "XuanZe60_KaoHao8", model));
    const std::string roster = GbkToUtf8(test::ReadBytes(context.Path("MingCe/GaoYi3Ban.txt")));
    int examinees = 0;
    for (std::size_t start = 0; start < roster.size();) {
        const std::size_t end = roster.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every record ends with CR LF";
        const std::string record = roster.substr(start, end - start);
        const std::string number = record.substr(1, record.find('"', 1) - 1);
        EXPECT_EQ(static_cast<int>(number.size()), model.idDigitNumber) << record;
        EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << record;
        ++examinees;
        start = end + 2;
    }
    EXPECT_EQ(examinees, 40);
}

}  // namespace
}  // namespace veltora
