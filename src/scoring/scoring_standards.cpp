#include "scoring/scoring_standards.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "scoring/answer_text.h"

namespace veltora {

namespace {

char32_t OptionLetter(int k) { return static_cast<char32_t>(U'@' + k); }

bool Occurs(const std::u32string& text, char32_t c) { return text.find(c) != std::u32string::npos; }

// Every character of `answer` occurs in `key`.
bool AllOccur(const std::u32string& answer, const std::u32string& key) {
    return std::all_of(answer.begin(), answer.end(), [&](char32_t c) { return Occurs(key, c); });
}

std::size_t CountOccurring(const std::u32string& answer, const std::u32string& key) {
    return static_cast<std::size_t>(
        std::count_if(answer.begin(), answer.end(), [&](char32_t c) { return Occurs(key, c); }));
}

double OptionPointsSum(const QuestionRule& rule, const std::u32string& answer) {
    // Rows 1..9 hold option points; options beyond I have none.
    const int last = std::min(rule.optionCount, kPerOptionOptions);
    double sum = 0;
    for (int k = 1; k <= last; ++k)
        if (Occurs(answer, OptionLetter(k))) sum += rule.params[static_cast<std::size_t>(k)];
    return sum;
}

double PerOptionJudgement(const QuestionRule& rule, const std::u32string& answer,
                          const std::u32string& key) {
    const int n = rule.optionCount;
    if (n <= 0) return 0;  // no option to judge: nothing earned, no division by zero
    const double unit = rule.points / n;
    double q = 0;
    for (int k = 1; k <= n; ++k) {
        const char32_t x = OptionLetter(k);
        if (Occurs(key, x) == Occurs(answer, x)) q += unit;
    }
    return q;
}

double RawPoints(const QuestionRule& rule, const std::u32string& ans, const std::u32string& key) {
    const double p = rule.points;
    const double d = rule.params[0];
    const std::size_t l = ans.size();
    const std::size_t s = key.size();
    const bool exact = l > 0 && AllOccur(ans, key);
    const double full = exact ? p : 0;
    switch (rule.standard) {
    case 0:
    case 1:
        return l == s ? full : 0;
    case 2:
        if (l > s) return 0;
        if (l == s) return full;
        return p * static_cast<double>(CountOccurring(ans, key)) / static_cast<double>(s);
    case 3:
        if (l > s) return 0;
        if (l == s) return full;
        return CountOccurring(ans, key) > 0 ? p / 2 : 0;
    case 4:
        return PerOptionJudgement(rule, ans, key);
    case 5:
        if (l > s) return -d;
        return l == s ? full : 0;
    case 6:
        if (l > 1 && l > s) return 0;
        return OptionPointsSum(rule, ans);
    case 7:
        return OptionPointsSum(rule, ans);
    case 8:
        if (l == 0) return 0;
        if (l == s && exact) return p;
        return -d;
    case 9:
        if (l > s) return 0;
        if (l == s) return full;
        return exact ? p * static_cast<double>(l) / static_cast<double>(s) : 0;
    default:
        return 0;
    }
}

}  // namespace

double FloorToHundredths(double q) {
    double hundredths = q * 100;
    const double nearest = std::nearbyint(hundredths);
    if (std::fabs(hundredths - nearest) <= 1e-9 * std::max(1.0, std::fabs(hundredths)))
        hundredths = nearest;
    return std::floor(hundredths) / 100;
}

double QuestionPoints(const QuestionRule& rule, std::string_view answer) {
    return FloorToHundredths(RawPoints(rule, FoldedCharacters(answer), FoldedCharacters(rule.key)));
}

ParamColumn ParamColumnOf(const TestPaper& paper, int column) {
    ParamColumn out{};
    if (column < 0 || column >= kQuestionSlots) return out;
    for (int k = 0; k < kParamRows; ++k)
        out[static_cast<std::size_t>(k)] = paper.standardParams[static_cast<std::size_t>(k)][static_cast<std::size_t>(column)];
    return out;
}

AppliedStandard ApplicableStandard(const TestPaper& paper, int question) {
    if (paper.usePerQuestionStandards)
        return {paper.scoringStandard[static_cast<std::size_t>(question)], question};
    return {paper.standardScoreForAll, 0};
}

}  // namespace veltora
