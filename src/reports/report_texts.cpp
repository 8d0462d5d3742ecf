#include "reports/report_texts.h"

#include "app/number_text.h"
#include "app/text_to_number.h"
#include "files/file_names.h"

namespace veltora {

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string CutBeforeCho(std::string_view entry) {
    return std::string(TrimBlanks(BaseNameOf(entry, kPaperExtension)));
}

std::string ReportPaperName(const FileLists& lists) {
    if (lists.scoreSets.SelectsStoredFile())
        return CutBeforeCho(lists.scoreSets.SelectedEntry());
    if (lists.papers.HasSelection()) return CutBeforeCho(lists.papers.SelectedEntry());
    return {};
}

bool IsWrongAnswer(const Workspace& ws, int question, int resultRow) {
    const std::string& answer = ws.Answer(question, ws.SheetOfResult(resultRow));
    return TrimBlanks(answer) != TrimBlanks(ws.paper.correctAnswer[static_cast<std::size_t>(question)]);
}

std::string WrongAnswerList(const Workspace& ws, int resultRow) {
    std::string list;
    const int sheet = ws.SheetOfResult(resultRow);
    const int questions = std::clamp<int>(ws.paper.testTotal, 0, kMaxQuestions);
    for (int q = 1; q <= questions; ++q) {
        if (!IsWrongAnswer(ws, q, resultRow)) continue;
        list += ' ';
        list += std::to_string(q);
        list += ws.Answer(q, sheet);
        list += '.';
    }
    return list;
}

std::string ExamineeLabel(const Workspace& ws, int resultRow) {
    std::string label(TrimBlanks(ws.results.Cell(resultRow, kResNo)));
    label += ' ';
    label += TrimBlanks(ws.results.Cell(resultRow, kResName));
    return label;
}

double PointsAsDouble(float points) { return TextToNumber(NumberText(points)); }

}  // namespace veltora
