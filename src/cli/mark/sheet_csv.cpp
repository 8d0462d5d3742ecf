#include "cli/mark/sheet_csv.h"

#include "scoring/score_sheet.h"

namespace veltora {

std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string SheetsCsv(const Workspace& ws) {
    std::string csv = "image,status,examinee,score,answers\r\n";
    for (int entry = 1; entry <= ws.MarkCount(); ++entry) {
        // Every sheet that was read has a score; one without has no answers to list.
        std::string answers;
        if (!ws.Rec(entry, kRecScore).empty())
            for (int q = 1; q <= ScoredQuestionCount(ws); ++q) answers += (q > 1 ? "|" : "") + ws.Answer(q, entry);
        for (const int field : {kRecImage, kRecStatus, kRecExamineeNo, kRecScore}) csv += CsvField(ws.Rec(entry, field)) + ",";
        csv += CsvField(answers) + "\r\n";
    }
    return csv;
}

}  // namespace veltora
