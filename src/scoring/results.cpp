#include "scoring/results.h"

#include <algorithm>
#include <vector>

#include "app/number_text.h"
#include "app/text_to_number.h"
#include "scoring/answer_text.h"

namespace veltora {

namespace {

double NumberOf(const Workspace& ws, int row, int column) {
    return TextToNumber(ws.results.Cell(row, column));
}

void LinkSheet(Workspace& ws, int row, int sheet) {
    if (row >= static_cast<int>(ws.resultSheet.size()))
        ws.resultSheet.resize(static_cast<std::size_t>(row) + 1, 0);
    ws.resultSheet[static_cast<std::size_t>(row)] = static_cast<std::int16_t>(sheet);
}

}  // namespace

bool FindOrAddResult(Workspace& ws, std::string_view no) {
    const std::string trimmed = TrimSpaces(no);
    if (ws.templ.idDigitNumber != 0) {
        for (int r = 1; r <= ws.resultCount; ++r) {
            if (SameLettersIgnoringCase(TrimSpaces(ws.results.Cell(r, kResNo)), trimmed) &&
                NumberOf(ws, r, kResSheetScore) == 0) {
                ws.foundResultRow = static_cast<std::int16_t>(r);
                ws.lastExamineeNo = trimmed;
                return true;
            }
        }
    }
    const int row = ws.resultCount + 1;
    if (!ws.results.SetCell(row, kResNo, std::string(no))) return false;
    ws.resultCount = static_cast<std::int16_t>(row);
    ws.foundResultRow = static_cast<std::int16_t>(row);
    ws.lastExamineeNo = trimmed;
    return true;
}

void Merge(Workspace& ws) {
    ws.resultCount = ws.rosterCount;
    ws.ResetForMerge();
    for (int r = 1; r <= ws.rosterCount; ++r) {
        ws.results.SetCell(r, kResNo, ws.roster.Cell(r, kRosterNo));
        ws.results.SetCell(r, kResName, ws.roster.Cell(r, kRosterName));
        ws.results.SetCell(r, kResTotal, ws.roster.Cell(r, kRosterExtra));
        ws.results.SetCell(r, kResExtra, ws.roster.Cell(r, kRosterExtra));
    }
    for (int s = 1; s <= ws.MarkCount(); ++s) {
        const std::string& no = ws.Rec(s, kRecExamineeNo);
        if (no.empty() && ws.templ.idDigitNumber != 0) continue;
        if (!FindOrAddResult(ws, no)) break;
        const int row = ws.foundResultRow;
        ws.results.SetCell(row, kResNo, no);
        ws.results.SetCell(row, kResSheetScore, ws.Rec(s, kRecScore));
        ws.results.SetCell(row, kResTotal,
                           NumberText(NumberOf(ws, row, kResExtra) + NumberOf(ws, row, kResSheetScore)));
        LinkSheet(ws, row, s);
    }
}

std::string Rank(Workspace& ws) {
    const int n = ws.resultCount;
    std::vector<double> totals;
    totals.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int r = 1; r <= n; ++r) totals.push_back(NumberOf(ws, r, kResTotal));
    if (!SortIndex(totals, ws.rankOrder, false, ws.sortRandom)) {
        ws.rankOrder.assign(1, 0);
        for (int r = 1; r <= n; ++r) {
            ws.rankOrder.push_back(static_cast<std::int16_t>(r));
            ws.results.SetCell(r, kResRank, "");
        }
        return std::string(kTooManyResultRowsKey);
    }
    for (int p = 1; p <= n; ++p) {
        const int row = ws.rankOrder[static_cast<std::size_t>(p)];
        const int previous = p > 1 ? ws.rankOrder[static_cast<std::size_t>(p - 1)] : 0;
        if (p == 1 || NumberOf(ws, previous, kResTotal) != NumberOf(ws, row, kResTotal))
            ws.results.SetCell(row, kResRank, NumberText(static_cast<double>(p)));
        else
            ws.results.SetCell(row, kResRank, ws.results.Cell(previous, kResRank));
    }
    return {};
}

std::string ScoreProcessing(Workspace& ws) {
    Merge(ws);
    std::string message = Rank(ws);
    Analyse(ws);
    Statistics(ws);
    ws.scoresChanged = true;
    return message;
}

}  // namespace veltora
