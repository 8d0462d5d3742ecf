#include "cli/mark/results_report.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "files/record_writer.h"
#include "scoring/statistics_view.h"

namespace veltora {

namespace {

constexpr std::array<std::string_view, 6> kResultHeadingKeys = {"KAOHAO",  "XINGMING", "ZONGCHENGJI",
                                                                 "MINGCI", "CHENGJI",  "FUJIACHENGJI"};

// Columns a text takes on a terminal: East Asian characters take two.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

// Rows of cells as columns padded to their widest cell, two blanks apart.
std::string Columns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) line += (c ? "  " : "") + Padded(row[c], widths[c]);
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace

std::string ResultsTable(const Workspace& ws, const AppContext& ctx) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> headings;
    for (const std::string_view key : kResultHeadingKeys) headings.push_back(ctx.LangText("main", key));
    rows.push_back(std::move(headings));
    for (int p = 1; p <= ws.resultCount; ++p) {
        const int row = p < static_cast<int>(ws.rankOrder.size()) ? ws.rankOrder[static_cast<std::size_t>(p)] : p;
        std::vector<std::string> cells;
        for (int column = kResNo; column <= kResExtra; ++column) cells.push_back(Trimmed(ws.results.Cell(row, column)));
        rows.push_back(std::move(cells));
    }
    return Columns(rows);
}

std::string StatisticsTable(const Workspace& ws, const AppContext& ctx) {
    const std::vector<std::string> column = StatisticsColumn(ws.statistics, ws.paper.scoreParagraphSpacing);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 0; k < std::size(kStatisticsHeadingKeys); ++k)
        rows.push_back({ctx.LangText("main", kStatisticsHeadingKeys[k]), Trimmed(column[2 * k + 1])});
    std::string out = Columns(rows) + ctx.LangText("main", kBandHeadingKey) + "\n";
    rows.clear();
    for (std::size_t row = kFirstBandRow; row + 1 < column.size(); row += 2)
        rows.push_back({"  " + Trimmed(column[row]), Trimmed(column[row + 1])});
    return out + Columns(rows);
}

}  // namespace veltora
