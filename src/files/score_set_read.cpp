#include <cfloat>
#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/text_to_number.h"
#include "files/file_names.h"
#include "files/record_reader.h"
#include "files/score_set_file.h"
#include "scoring/paper_file.h"

namespace veltora {

namespace {

// An open stream for an existing regular file, or nothing.
std::optional<std::ifstream> OpenMember(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return in;
}

// One record per line, blank lines skipped: a damaged line loses its own fields only and
// never shifts the records after it. Missing fields read as "", extra fields are ignored.
std::vector<std::string> ReadRecordLine(RecordReader& reader) {
    auto fields = reader.ReadLine(kScoreFileFields);
    fields.resize(kScoreFileFields);
    return fields;
}

void ReadResults(Workspace& ws, std::istream& in) {
    ws.ResetForResultsLoad();
    RecordReader reader(in);
    int n = 0;
    while (n < ws.results.MaxRows() && !reader.NoMoreRecords()) {
        ++n;
        const auto fields = ReadRecordLine(reader);
        for (int c = 1; c <= kScoreFileFields; ++c) ws.results.SetCell(n, c, fields[static_cast<std::size_t>(c - 1)]);
    }
    ws.resultCount = static_cast<std::int16_t>(n);
}

// The marking records replace the marked sheets as a whole: records, answers and points.
void ReadRecords(Workspace& ws, std::istream& in) {
    ws.SetMarkCount(0);
    RecordReader reader(in);
    int n = 0;
    while (n < kMaxSheets && !reader.NoMoreRecords()) {
        ++n;
        const auto fields = ReadRecordLine(reader);
        for (int f = 1; f <= kScoreFileFields; ++f) ws.SetRec(n, f, fields[static_cast<std::size_t>(f - 1)]);
    }
    ws.SetMarkCount(n);
}

// Line s holds questions 1..500 of sheet s; lines beyond the marked sheets and fields
// beyond question 500 are ignored.
template <typename Store>
void ReadQuestionLines(const Workspace& ws, std::istream& in, const Store& store) {
    RecordReader reader(in);
    for (int s = 1; s <= ws.MarkCount() && !reader.NoMoreLines(); ++s) {
        const auto fields = reader.ReadLine(kAnswerFileQuestions);
        for (std::size_t i = 0; i < fields.size(); ++i) store(static_cast<int>(i) + 1, s, fields[i]);
    }
}

// Points beyond the single-precision range are not points; they read as 0.
float PointsOf(const std::string& field) {
    const double value = TextToNumber(field);
    return std::fabs(value) <= FLT_MAX ? static_cast<float>(value) : 0.0f;
}

}  // namespace

ScoreSetRead ReadScoreSet(Workspace& ws, const std::filesystem::path& folder, std::string_view baseName) {
    ScoreSetRead read;
    if (!IsPlainFileName(baseName)) return read;
    const ScoreSetFiles files = ScoreSetFilesOf(folder, baseName);

    if (auto in = OpenMember(files.results)) {
        ReadResults(ws, *in);
        read.results = true;
    }
    if (OpenMember(files.paper)) {
        ReadPaper(ws.paper, files.paper);
        read.paper = true;
    }
    auto records = OpenMember(files.records);
    if (!records) return read;
    ReadRecords(ws, *records);
    read.records = true;
    if (auto in = OpenMember(files.answers)) {
        ReadQuestionLines(ws, *in, [&](int q, int s, const std::string& text) { ws.SetAnswer(q, s, text); });
        read.answers = true;
    }
    if (auto in = OpenMember(files.points)) {
        ReadQuestionLines(ws, *in, [&](int q, int s, const std::string& text) { ws.SetQuestionScore(q, s, PointsOf(text)); });
        read.points = true;
    }
    return read;
}

}  // namespace veltora
