#pragma once
// Small workspaces for the scoring tests: a template of `questions` questions with four
// options each, in rows of the grid, returning A..D.
#include "scoring/workspace.h"

namespace veltora::test {

inline void UseFourOptionTemplate(Workspace& ws, int questions) {
    ws.templ.questionsTotal = static_cast<std::int16_t>(questions);
    ws.templ.questions.assign(static_cast<std::size_t>(questions) + 2, ItemLayout{});
    for (int i = 1; i <= questions; ++i)
        ws.templ.questions[static_cast<std::size_t>(i)] =
            ItemLayout{0, 4, 1, 2, static_cast<std::int16_t>(i)};
    for (int k = 1; k <= 4; ++k) ws.templ.returnTable[1][static_cast<std::size_t>(k)] = std::string(1, static_cast<char>('@' + k));
}

inline void AddQuestion(TestPaper& paper, const char* key, double points, std::int16_t standard) {
    paper.ExtendTo(paper.testTotal + 1, standard);
    paper.correctAnswer[static_cast<std::size_t>(paper.testTotal)] = key;
    paper.mark[static_cast<std::size_t>(paper.testTotal)] = points;
}

}  // namespace veltora::test
