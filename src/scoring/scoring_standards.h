#pragma once
// The nine scoring standards: how many of a question's points an answer earns.
#include <array>
#include <string_view>

#include "scoring/workspace.h"

namespace veltora {

// One column of StandardParams: row 0 the deduction, rows 1..9 the points of options A..I.
using ParamColumn = std::array<double, kParamRows>;

struct QuestionRule {
    int standard = 0;
    std::string_view key;     // standard answer, spaces already trimmed
    double points = 0;        // Mark of the question
    int optionCount = 0;      // the template's QFills of the question
    ParamColumn params{};
};

// Points of `answer` (spaces already trimmed) under `rule`, cut to two decimals towards
// minus infinity. A standard outside 0..9 gives 0. Standard 4 with no options gives 0;
// standards 6 and 7 count options 1..9 only (no option beyond I has points).
double QuestionPoints(const QuestionRule& rule, std::string_view answer);

// q cut to two decimals towards minus infinity: -0.333 -> -0.34, 0.3333 -> 0.33. A product
// q * 100 that lies within rounding noise of a whole number counts as that number, so
// 0.29 points stay 0.29 instead of dropping to 0.28.
double FloorToHundredths(double q);

// Column `column` (0..501) of the paper's StandardParams.
ParamColumn ParamColumnOf(const TestPaper& paper, int column);

// The standard and parameter column that apply to question i (1..500).
struct AppliedStandard {
    int standard;
    int paramColumn;
};
AppliedStandard ApplicableStandard(const TestPaper& paper, int question);

}  // namespace veltora
