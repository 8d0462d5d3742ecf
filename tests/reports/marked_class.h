#pragma once
// A small marked class for the report tests: 201 questions, three result rows (one
// without a matched sheet and an empty total, one without a name), statistics as the
// score processing left them.
#include <string>

#include "scoring/workspace.h"

namespace veltora::test {

inline constexpr int kClassQuestions = 201;

// Standard answer of question q: "" for question 5, otherwise one of A..D.
inline std::string ClassKey(int q) { return q == 5 ? "" : std::string(1, static_cast<char>('A' + q % 4)); }

inline Workspace MarkedClass() {
    Workspace ws;
    TestPaper& p = ws.paper;
    p.testTotal = kClassQuestions;
    p.scoreParagraphSpacing = 10;
    for (int q = 1; q <= kClassQuestions; ++q) {
        const auto i = static_cast<std::size_t>(q);
        p.correctAnswer[i] = ClassKey(q);
        p.mark[i] = q == 2 ? 0.5 : 1;
        for (std::size_t k = 0; k < 8; ++k) p.scoringRate[k][i] = static_cast<double>((q + k) % 100);
    }
    // Sheet 1: question 3 wrong (B), 7 blank, 201 wrong (AB). Sheet 2: question 12 blank,
    // question 1 right with blanks around it.
    for (int sheet = 1; sheet <= 2; ++sheet) {
        ws.AppendSheet("/img/" + std::to_string(sheet) + ".jpg");
        for (int q = 1; q <= kClassQuestions; ++q) {
            ws.SetAnswer(q, sheet, ClassKey(q));
            ws.SetQuestionScore(q, sheet, 1.0f);
        }
    }
    ws.SetAnswer(3, 1, "B");
    ws.SetAnswer(7, 1, "");
    ws.SetAnswer(201, 1, "AB");
    ws.SetQuestionScore(1, 1, 0.3f);
    ws.SetQuestionScore(201, 1, 0.7f);
    ws.SetAnswer(12, 2, "");
    ws.SetAnswer(1, 2, " " + ClassKey(1) + " ");

    const char* rows[][6] = {{"101", "Alice", "85.5", "1", "80.5", "5"},
                             {"102", "Bob", "", "3", "", ""},
                             {"105", "", "70", "2", "70", ""}};
    ws.resultCount = 3;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 6; ++c) ws.results.SetCell(r, c, rows[r - 1][c - 1]);
    ws.resultSheet = {0, 1, 0, 2};

    ScoreStatistics& st = ws.statistics;
    st.participants = 2;
    st.sum = 155.5;
    st.average = 77.75;
    st.highest = 85.5;
    st.lowest = 70;
    st.countB = 1;
    st.countC = 1;
    st.countPass = 2;
    st.bands[7] = 1;
    st.bands[8] = 1;
    st.maxBand = 8;
    return ws;
}

}  // namespace veltora::test
