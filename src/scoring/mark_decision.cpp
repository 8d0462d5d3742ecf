#include "scoring/mark_decision.h"

#include <algorithm>

#include "app/number_text.h"
#include "scoring/answer_text.h"
#include "scoring/score_sheet.h"

namespace veltora {

namespace {

struct Cell {
    int column;
    int row;
};

// Position j = -1 is the reference cell before the first option; 0.. are the options.
Cell CellOf(const ItemLayout& q, int j) {
    if (q.orientation == 1) return {q.x, q.y + j};
    return {q.x + j, q.y};
}

bool AllCellsInside(const ItemLayout& q) {
    const Cell first = CellOf(q, -1);
    const Cell last = CellOf(q, q.fills - 1);
    return DarknessMatrix::Contains(first.column, first.row) &&
           DarknessMatrix::Contains(last.column, last.row);
}

std::string ReturnText(const TemplateModel& templ, int returnSet, int entry) {
    if (returnSet < 0 || returnSet > kMaxReturnSet || entry < 0 || entry > kMaxReturnEntry) return {};
    return TrimSpaces(templ.returnTable[static_cast<std::size_t>(returnSet)][static_cast<std::size_t>(entry)]);
}

}  // namespace

std::string DecideAnswer(const TemplateModel& templ, int question, const DarknessMatrix& m,
                         const GridLevels& grid) {
    if (question < 1 || question >= static_cast<int>(templ.questions.size())) return {};
    const ItemLayout& q = templ.questions[static_cast<std::size_t>(question)];
    if (q.fills <= 0 || !AllCellsInside(q)) return {};

    const auto darkness = [&](int j) {
        const Cell c = CellOf(q, j);
        return static_cast<double>(m.At(c.column, c.row));
    };
    double maxAll = -300, minAll = 300, maxOpt = -300, minOpt = 300, sum = 0;
    for (int j = -1; j < q.fills; ++j) {
        const double d = darkness(j);
        maxAll = std::max(maxAll, d);
        minAll = std::min(minAll, d);
        sum += d;
        if (j >= 0) {
            maxOpt = std::max(maxOpt, d);
            minOpt = std::min(minOpt, d);
        }
    }
    const double gridMean = grid.mean;
    const double gridMin = grid.min;
    const double r = static_cast<double>(grid.max - grid.min);
    const double mean = sum / (q.fills + 1);
    const double f = (710 - r) / 700;
    const double spread = maxAll - minAll;

    const bool answered = minOpt < gridMean + r / 15 &&
                          minOpt < minAll + spread * 5 / 10 &&
                          minOpt < gridMin + r * f &&
                          spread > r / 12 &&
                          (maxOpt - minOpt > r / 8 || mean < gridMean - r / 5);
    std::string answer;
    if (!answered) return answer;
    for (int j = 0; j < q.fills; ++j) {
        const double d = darkness(j);
        if (d < minOpt + spread * 5.5 / 10 || d < gridMin + r / 10)
            answer += ReturnText(templ, q.returnSet, j + 1);
    }
    return TrimSpaces(answer);
}

void MarkDecision(Workspace& ws, int sheet, const DarknessMatrix& m, const GridLevels& grid) {
    if (sheet < 1 || sheet > kMaxSheets) return;
    const int n = ScoredQuestionCount(ws);
    for (int i = 1; i <= n; ++i) ws.SetAnswer(i, sheet, DecideAnswer(ws.templ, i, m, grid));
    ws.lastScoreText = PaddedNumberText(ScoreSheet(ws, sheet));
}

}  // namespace veltora
