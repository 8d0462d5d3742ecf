#include "scoring/paper_paste.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/text_to_number.h"
#include "scoring/answer_text.h"
#include "scoring/clamped_int16.h"

namespace veltora {

namespace {

// Only blanks are looked through: a line end or a tab left over is one more (empty) row.
bool OnlySpaces(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::vector<std::string_view> PastedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (static_cast<int>(lines.size()) < kMaxQuestions && !OnlySpaces(text)) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// Cell `index` (0-based) of a tab-separated line; "" when the line has fewer cells.
std::string_view CellOf(std::string_view line, int index) {
    for (int i = 0; i < index; ++i) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return {};
        line.remove_prefix(tab + 1);
    }
    return line.substr(0, line.find('\t'));
}

}  // namespace

bool PasteQuestions(Workspace& ws, std::string_view text) {
    if (text.find('\n') == std::string_view::npos) return false;
    const std::vector<std::string_view> lines = PastedLines(text);
    TestPaper& paper = ws.paper;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int q = static_cast<int>(i) + 1;
        paper.ResetQuestion(q, ClampedInt16(TextToNumber(CellOf(lines[i], 2))));
        paper.correctAnswer[static_cast<std::size_t>(q)] = TrimSpaces(CellOf(lines[i], 0));
        paper.mark[static_cast<std::size_t>(q)] = TextToNumber(CellOf(lines[i], 1));
    }
    paper.testTotal = static_cast<std::int16_t>(lines.size());
    ws.paperChanged = true;
    return true;
}

}  // namespace veltora
