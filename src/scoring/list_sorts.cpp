#include "scoring/list_sorts.h"

#include <algorithm>
#include <vector>

#include "app/text_to_number.h"
#include "scoring/answer_text.h"
#include "scoring/results.h"

namespace veltora {

namespace {

constexpr int kNameColumn = 1;            // grid column of the name in the results list
constexpr int kResultsLastColumn = 5;
constexpr int kAnalysisAnswerColumn = 1;
constexpr int kAnalysisPointsColumn = 2;
constexpr int kAnalysisFirstRateColumn = 3;
constexpr int kAnalysisLastColumn = kAnalysisFirstRateColumn + kAnalysedOptions;

bool NextDirection(bool& flag) {
    flag = !flag;
    return flag;
}

}  // namespace

void SortMarkingList(Workspace& ws, int field, bool& flag) {
    const bool ascending = NextDirection(flag);
    const int n = ws.MarkCount();
    if (field == kRecScore) {
        std::vector<double> keys;
        for (int s = 1; s <= n; ++s) keys.push_back(TextToNumber(ws.Rec(s, field)));
        SortIndex(std::move(keys), ws.markOrder, ascending, ws.sortRandom);
    } else {
        std::vector<std::string> keys;
        for (int s = 1; s <= n; ++s) keys.push_back(ws.Rec(s, field));
        SortIndex(std::move(keys), ws.markOrder, ascending, ws.sortRandom);
    }
}

std::string SortResultsList(Workspace& ws, int column) {
    if (column < 0 || column > kResultsLastColumn) return {};
    const bool ascending = NextDirection(ws.markOrderFlag);
    const int n = ws.resultCount;
    if (n > kMaxRankRows) return std::string(kTooManyResultRowsKey);
    if (column == kNameColumn) {
        std::vector<std::string> keys;
        for (int r = 1; r <= n; ++r) keys.push_back(TrimSpaces(ws.results.Cell(r, kResName)));
        SortIndex(std::move(keys), ws.rankOrder, ascending, ws.sortRandom);
    } else {
        std::vector<double> keys;
        for (int r = 1; r <= n; ++r) keys.push_back(TextToNumber(ws.results.Cell(r, column + 1)));
        SortIndex(std::move(keys), ws.rankOrder, ascending, ws.sortRandom);
    }
    return {};
}

void SortAnalysisList(Workspace& ws, int column) {
    if (column < 0 || column > kAnalysisLastColumn) return;
    const bool ascending = NextDirection(ws.markOrderFlag);
    const TestPaper& paper = ws.paper;
    const int n = std::clamp<int>(paper.testTotal, 0, kMaxQuestions);
    if (column == kAnalysisAnswerColumn) {
        std::vector<std::string> keys;
        for (int i = 1; i <= n; ++i) keys.push_back(paper.correctAnswer[static_cast<std::size_t>(i)]);
        SortIndex(std::move(keys), ws.questionOrder, ascending, ws.sortRandom);
        return;
    }
    std::vector<double> keys;
    for (int i = 1; i <= n; ++i) {
        const auto c = static_cast<std::size_t>(i);
        if (column == 0) keys.push_back(i);
        else if (column == kAnalysisPointsColumn) keys.push_back(paper.mark[c]);
        else keys.push_back(paper.scoringRate[static_cast<std::size_t>(column - kAnalysisFirstRateColumn)][c]);
    }
    SortIndex(std::move(keys), ws.questionOrder, ascending, ws.sortRandom);
}

}  // namespace veltora
