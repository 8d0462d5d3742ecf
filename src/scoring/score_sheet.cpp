#include "scoring/score_sheet.h"

#include <algorithm>

#include "app/number_text.h"
#include "scoring/answer_text.h"
#include "scoring/scoring_standards.h"

namespace veltora {

int ScoredQuestionCount(const Workspace& ws) {
    const int stored = static_cast<int>(ws.templ.questions.size()) - 1;
    const int n = std::min<int>(ws.templ.questionsTotal, ws.paper.testTotal);
    return std::clamp(std::min(n, stored), 0, kMaxQuestions);
}

double ScoreSheet(Workspace& ws, int sheet) {
    if (sheet < 1 || sheet > kMaxSheets) return 0;
    const TestPaper& paper = ws.paper;
    const int n = ScoredQuestionCount(ws);
    double total = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string key = TrimSpaces(paper.correctAnswer[static_cast<std::size_t>(i)]);
        const AppliedStandard applied = ApplicableStandard(paper, i);
        const QuestionRule rule{applied.standard, key, paper.mark[static_cast<std::size_t>(i)],
                                ws.templ.questions[static_cast<std::size_t>(i)].fills,
                                ParamColumnOf(paper, applied.paramColumn)};
        const double q = QuestionPoints(rule, TrimSpaces(ws.Answer(i, sheet)));
        ws.SetQuestionScore(i, sheet, static_cast<float>(q));
        total += q;
    }
    ws.SetRec(sheet, kRecScore, NumberText(total));
    return total;
}

double PaperTotal(TestPaper& paper) {
    double total = 0;
    const int n = std::clamp<int>(paper.testTotal, 0, kMaxQuestions);
    for (int i = 1; i <= n; ++i) total += paper.mark[static_cast<std::size_t>(i)];
    paper.paperTotal = total;
    return total;
}

}  // namespace veltora
