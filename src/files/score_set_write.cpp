#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "app/number_text.h"
#include "files/file_names.h"
#include "files/record_writer.h"
#include "files/score_set_file.h"
#include "files/staged_file.h"
#include "scoring/paper_file.h"

namespace veltora {

namespace {

// Rows 1..count of a table as records of fields 1..19, the first without surrounding blanks.
template <typename CellOf>
void WriteRecords(StagedFile& file, int count, const CellOf& cell) {
    std::vector<std::string> fields(kScoreFileFields);
    for (int row = 1; row <= count && file.Ok(); ++row) {
        fields[0] = Trimmed(cell(row, 1));
        for (int f = 2; f <= kScoreFileFields; ++f) fields[static_cast<std::size_t>(f - 1)] = cell(row, f);
        file.Write(QuotedRecordLine(fields));
    }
}

// One line per sheet 1..count with `fieldOf(question, sheet)` for questions 1..500.
template <typename FieldOf>
void WriteQuestionLines(StagedFile& file, int count, const FieldOf& fieldOf) {
    std::vector<std::string> fields(kAnswerFileQuestions);
    for (int s = 1; s <= count && file.Ok(); ++s) {
        for (int q = 1; q <= kAnswerFileQuestions; ++q) fields[static_cast<std::size_t>(q - 1)] = fieldOf(q, s);
        file.Write(BareRecordLine(fields));
    }
}

}  // namespace

bool WriteScoreSet(const Workspace& ws, const std::filesystem::path& folder, std::string_view baseName) {
    if (!IsStorableBaseName(baseName)) return false;
    const ScoreSetFiles files = ScoreSetFilesOf(folder, baseName);
    StagedFile results(files.results), paper(files.paper), answers(files.answers), points(files.points),
        records(files.records);

    const int resultRows = std::min<int>(ws.resultCount, ws.results.MaxRows());
    WriteRecords(results, resultRows, [&](int r, int c) -> const std::string& { return ws.results.Cell(r, c); });
    WriteRecords(records, ws.MarkCount(), [&](int s, int f) -> const std::string& { return ws.Rec(s, f); });

    // At least as many lines as result rows, as readers of the older layout expect, and
    // never fewer than the marked sheets.
    const int sheetLines = std::max(resultRows, ws.MarkCount());
    WriteQuestionLines(answers, sheetLines, [&](int q, int s) {
        // The last answer of a line keeps its blanks, exactly as the format has it.
        return q < kAnswerFileQuestions ? Trimmed(ws.Answer(q, s)) : ws.Answer(q, s);
    });
    WriteQuestionLines(points, sheetLines, [&](int q, int s) { return PaddedNumberText(ws.QuestionScore(q, s)); });

    const bool staged = results.Finish() && answers.Finish() && points.Finish() && records.Finish() &&
                        paper.FinishWith([&](const std::filesystem::path& at) { return WritePaper(ws.paper, at); });
    if (!staged) return false;
    // A folder in the place of a member would make its rename fail after others were
    // already replaced; refuse before replacing anything.
    for (const StagedFile* file : {&results, &answers, &points, &records, &paper}) {
        std::error_code error;
        if (std::filesystem::is_directory(file->Target(), error)) return false;
    }
    return results.Commit() && answers.Commit() && points.Commit() && records.Commit() && paper.Commit();
}

}  // namespace veltora
