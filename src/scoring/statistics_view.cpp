#include "scoring/statistics_view.h"

#include <algorithm>

#include "app/number_text.h"

namespace veltora {

std::vector<std::string> StatisticsColumn(const ScoreStatistics& st, int scoreParagraphSpacing) {
    const int maxBand = std::clamp<int>(st.maxBand, 0, kMaxBandIndex);
    std::vector<std::string> rows(static_cast<std::size_t>((maxBand + 1) * 2 + kFirstBandRow));
    const bool anyone = st.participants > 0;
    const std::string values[] = {
        anyone ? PaddedNumberText(st.sum / st.participants) : std::string(),
        PaddedNumberText(st.highest),
        PaddedNumberText(st.lowest),
        PaddedNumberText(st.sum),
        PaddedNumberText(st.participants),
        anyone ? PaddedNumberText(st.countPass / st.participants * 100) : std::string(),
        PaddedNumberText(st.countA),
        PaddedNumberText(st.countB),
        PaddedNumberText(st.countC),
        PaddedNumberText(st.countD),
        PaddedNumberText(st.countFail),
        PaddedNumberText(st.countPass)};
    for (std::size_t v = 0; v < std::size(values); ++v) rows[2 * v + 1] = values[v];
    const double spacing = std::max(scoreParagraphSpacing, 1);
    for (int k = 0; k <= maxBand; ++k) {
        const auto row = static_cast<std::size_t>(kFirstBandRow + 2 * k);
        rows[row] = PaddedNumberText(k * spacing) + " <= And <" + PaddedNumberText((k + 1) * spacing);
        rows[row + 1] = PaddedNumberText(static_cast<double>(st.bands[static_cast<std::size_t>(k)]));
    }
    return rows;
}

}  // namespace veltora
