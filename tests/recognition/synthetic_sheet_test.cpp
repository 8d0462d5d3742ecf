// Whole sheets drawn in code, upright and photographed in other ways, read correctly.
#include <gtest/gtest.h>

#include "recognition/recogniser.h"
#include "synthetic_sheet.h"

namespace veltora::test {
namespace {

const std::vector<int> kDigits{3, 0, 7, 1, 9, 4};

std::vector<int> SampleAnswers() {
    std::vector<int> answers;
    for (int q = 1; q <= 60; ++q) answers.push_back(q % 7 == 0 ? 0 : q % 11 == 0 ? 3 : 1 << (q % 4));
    return answers;
}

TEST(SyntheticSheet, UprightSheetReads) {
    const TemplateModel model = SampleTemplate();
    const Raster image = DrawSheet(SampleSheet(model, kDigits, SampleAnswers(), 150));
    Recogniser recogniser;
    ASSERT_TRUE(recogniser.RecogniseSheet(image, model)) << static_cast<int>(recogniser.Stage());
    EXPECT_EQ(recogniser.Orientation(), kMarkTopRight);
    EXPECT_EQ(recogniser.LastExamineeNo(), "307194");
}

}  // namespace
}  // namespace veltora::test
