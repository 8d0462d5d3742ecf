#pragma once
// The statistics as the statistics grid, the report workbook and the word report show
// them: one column of texts with headings on the even rows.
#include <string>
#include <string_view>
#include <vector>

#include "scoring/workspace.h"

namespace veltora {

// Language keys (section "main") of the headings at rows 0, 2, ..., 22.
inline constexpr std::string_view kStatisticsHeadingKeys[] = {
    "PINGJUNFEN",     "ZUIGAOFEN",       "ZUIDIFEN",      "ZONGFEN",
    "SHIJICANKAORENSHU", "JIGELV",       "YOUXIURENSHU",  "LIANGHAORENSHU",
    "ZHONGDENGRENSHU", "JIGERENSHU",     "BUJIGERENSHU",  "JIGEZONGRENSHU"};
// Language key of the heading of the band rows, at row 25.
inline constexpr std::string_view kBandHeadingKey = "FENSHUDUANTONGJI";
inline constexpr int kBandHeadingRow = 25;
inline constexpr int kFirstBandRow = 26;

// Rows 0..(maxBand + 1) * 2 + 25 of the statistics column. Rows 1, 3, ..., 23 hold the
// padded text forms of average (empty without participants), highest, lowest, sum,
// participants, pass rate in percent (empty without participants), CountA..CountD,
// CountFail and CountPass; row 26 + 2k the range of band k (" 0 <= And < 10") and row
// 27 + 2k its count. Heading rows are left empty for the caller.
std::vector<std::string> StatisticsColumn(const ScoreStatistics& st, int scoreParagraphSpacing);

}  // namespace veltora
