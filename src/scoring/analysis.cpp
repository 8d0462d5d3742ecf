#include "scoring/results.h"

#include <algorithm>
#include <array>
#include <vector>

#include "scoring/answer_text.h"

namespace veltora {

namespace {

bool IsParticipant(const Workspace& ws, int row) {
    return !TrimSpaces(ws.results.Cell(row, kResTotal)).empty();
}

// Whole percent of `count` among `of`, fractions dropped; exact in integers, so 29 of 100
// is 29 and not the 28 a rounded quotient times 100 would give.
double WholePercent(int count, int of) { return static_cast<double>(count * 100 / of); }

}  // namespace

void Analyse(Workspace& ws) {
    std::vector<int> counted;
    for (int r = 1; r <= ws.resultCount; ++r)
        if (ws.templ.idDigitNumber == 0 || IsParticipant(ws, r)) counted.push_back(r);
    const int participants = static_cast<int>(counted.size());
    ws.statistics.participants = participants;

    TestPaper& paper = ws.paper;
    const int questions = std::clamp<int>(paper.testTotal, 0, kMaxQuestions);
    for (int i = 1; i <= questions && participants > 0; ++i) {
        const auto c = static_cast<std::size_t>(i);
        const std::string key = TrimSpaces(paper.correctAnswer[c]);
        int correct = 0;
        std::array<int, kAnalysedOptions + 1> chose{};
        for (const int row : counted) {
            const std::string answer = TrimSpaces(ws.Answer(i, ws.SheetOfResult(row)));
            if (SameLettersIgnoringCase(answer, key)) ++correct;
            for (int k = 1; k <= kAnalysedOptions; ++k)
                if (ContainsLetter(answer, static_cast<char32_t>(U'@' + k))) ++chose[static_cast<std::size_t>(k)];
        }
        paper.scoringRate[0][c] = WholePercent(correct, participants);
        for (std::size_t k = 1; k <= kAnalysedOptions; ++k)
            paper.scoringRate[k][c] = WholePercent(chose[k], participants);
    }
    ws.questionOrder.assign(static_cast<std::size_t>(questions) + 1, 0);
    for (int p = 1; p <= questions; ++p) ws.questionOrder[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
}

}  // namespace veltora
