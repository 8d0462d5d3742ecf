#include "scoring/scoring_standards.h"

#include <gtest/gtest.h>

namespace veltora {
namespace {

struct StandardCase {
    int standard;
    const char* key;
    const char* answer;
    double points;
    int options;
    double deduction;
    double pointsA, pointsB;
    double expected;
};

class StandardTable : public ::testing::TestWithParam<StandardCase> {};

TEST_P(StandardTable, AwardsThePointsOfTheRule) {
    const StandardCase& c = GetParam();
    QuestionRule rule{c.standard, c.key, c.points, c.options, {}};
    rule.params[0] = c.deduction;
    rule.params[1] = c.pointsA;
    rule.params[2] = c.pointsB;
    rule.params[10] = 100;  // never an option's points
    EXPECT_DOUBLE_EQ(QuestionPoints(rule, c.answer), c.expected)
        << "standard " << c.standard << " key " << c.key << " answer " << c.answer;
}

// standard, key, answer, points, options, deduction, points of A and B, expected
INSTANTIATE_TEST_SUITE_P(
    Standards, StandardTable,
    ::testing::Values(
        StandardCase{1, "AB", "BA", 2, 4, 0, 0, 0, 2},
        StandardCase{1, "AB", "ab", 2, 4, 0, 0, 0, 2},
        StandardCase{1, "AB", "A", 2, 4, 0, 0, 0, 0},
        StandardCase{1, "AB", "ABC", 2, 4, 0, 0, 0, 0},
        StandardCase{1, "AB", "AA", 2, 4, 0, 0, 0, 2},   // repeated letters each occur
        StandardCase{1, "", "", 2, 4, 0, 0, 0, 0},
        StandardCase{0, "C", "c", 3, 4, 0, 0, 0, 3},
        StandardCase{2, "ABCD", "AX", 4, 4, 0, 0, 0, 1},
        StandardCase{2, "ABC", "AA", 3, 4, 0, 0, 0, 2},
        StandardCase{2, "ABCD", "ABCDE", 4, 5, 0, 0, 0, 0},
        StandardCase{3, "ABC", "D", 4, 4, 0, 0, 0, 0},
        StandardCase{3, "ABC", "AD", 4, 4, 0, 0, 0, 2},
        StandardCase{3, "ABC", "CBA", 4, 4, 0, 0, 0, 4},
        StandardCase{9, "ABCD", "AB", 4, 4, 0, 0, 0, 2},
        StandardCase{9, "ABCD", "AX", 4, 4, 0, 0, 0, 0},
        StandardCase{9, "ABCD", "ABCDE", 4, 5, 0, 0, 0, 0},
        StandardCase{9, "ABC", "A", 1, 4, 0, 0, 0, 0.33},
        StandardCase{5, "A", "B", 2, 4, 1.5, 0, 0, 0},
        StandardCase{5, "A", "AB", 2, 4, 1.5, 0, 0, -1.5},
        StandardCase{5, "A", "AB", 2, 4, 1.0 / 3, 0, 0, -0.34},
        StandardCase{8, "A", "", 2, 4, 1, 0, 0, 0},
        StandardCase{8, "A", "B", 2, 4, 1, 0, 0, -1},
        StandardCase{8, "A", "a", 2, 4, 1, 0, 0, 2},
        StandardCase{8, "AB", "A", 2, 4, 1, 0, 0, -1},
        StandardCase{8, "A", "AB", 2, 4, 1, 0, 0, -1},
        StandardCase{4, "AC", "A", 4, 4, 0, 0, 0, 3},
        StandardCase{4, "AC", "ca", 4, 4, 0, 0, 0, 4},
        StandardCase{4, "AC", "A", 4, 0, 0, 0, 0, 0},      // no options: nothing to judge
        StandardCase{6, "A", "AB", 2, 4, 0, 1.5, 0.5, 0},
        StandardCase{6, "AB", "b", 2, 4, 0, 1.5, 0.5, 0.5},
        StandardCase{6, "A", "A", 2, 4, 0, -0.25, 0.5, -0.25},
        StandardCase{7, "A", "AB", 2, 4, 0, 1.5, 0.5, 2},
        StandardCase{7, "", "AJ", 2, 12, 0, 1.5, 0.5, 1.5},  // option J has no points row
        StandardCase{10, "A", "A", 2, 4, 0, 0, 0, 0},
        StandardCase{-1, "A", "A", 2, 4, 0, 0, 0, 0},
        StandardCase{1, "A", "A", 0.29, 4, 0, 0, 0, 0.29}));

TEST(FloorToHundredths, CutsTowardsMinusInfinity) {
    EXPECT_DOUBLE_EQ(FloorToHundredths(-0.333), -0.34);
    EXPECT_DOUBLE_EQ(FloorToHundredths(1.0 / 3), 0.33);
    EXPECT_DOUBLE_EQ(FloorToHundredths(0.999), 0.99);
    EXPECT_DOUBLE_EQ(FloorToHundredths(0.29), 0.29);
    EXPECT_DOUBLE_EQ(FloorToHundredths(-0.29), -0.29);
}

TEST(ApplicableStandard, PerQuestionStandardsUseTheQuestionsColumn) {
    TestPaper paper;
    paper.standardScoreForAll = 3;
    paper.scoringStandard[2] = 6;
    EXPECT_EQ(ApplicableStandard(paper, 2).standard, 3);
    EXPECT_EQ(ApplicableStandard(paper, 2).paramColumn, 0);
    paper.usePerQuestionStandards = true;
    EXPECT_EQ(ApplicableStandard(paper, 2).standard, 6);
    EXPECT_EQ(ApplicableStandard(paper, 2).paramColumn, 2);
}

}  // namespace
}  // namespace veltora
