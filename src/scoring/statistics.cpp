#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/text_to_number.h"
#include "scoring/answer_text.h"
#include "scoring/results.h"

namespace veltora {

namespace {

// Band of a total, or -1 when it has none (a negative total). Totals beyond the last
// band are folded into the highest band met so far.
int BandOf(double total, int spacing, int maxBand) {
    const double band = std::floor(total / spacing);
    if (!(band >= 0)) return -1;
    if (band > kFoldBandAbove) return maxBand;
    return static_cast<int>(band);
}

}  // namespace

void Statistics(Workspace& ws) {
    ScoreStatistics st;
    st.lowest = 10000;
    const TestPaper& paper = ws.paper;
    const int spacing = std::max<int>(paper.scoreParagraphSpacing, 1);
    for (int r = 1; r <= ws.resultCount; ++r) {
        const std::string total = TrimSpaces(ws.results.Cell(r, kResTotal));
        if (total.empty()) continue;
        const double v = TextToNumber(total);
        st.participants += 1;
        st.sum += v;
        if (const int band = BandOf(v, spacing, st.maxBand); band >= 0) {
            auto& count = st.bands[static_cast<std::size_t>(band)];
            if (count < INT16_MAX) ++count;
            st.maxBand = static_cast<std::int16_t>(std::max<int>(st.maxBand, band));
        }
        if (v >= paper.gradeA) st.countA += 1;
        else if (v >= paper.gradeB) st.countB += 1;
        else if (v >= paper.gradeC) st.countC += 1;
        else if (v >= paper.gradeD) st.countD += 1;
        else st.countFail += 1;
        st.highest = std::max(st.highest, v);
        st.lowest = std::min(st.lowest, v);
    }
    if (st.highest < st.lowest) st.lowest = st.highest;
    st.countPass = st.participants - st.countFail;
    if (st.participants > 0) st.average = st.sum / st.participants;
    ws.statistics = st;
}

}  // namespace veltora
