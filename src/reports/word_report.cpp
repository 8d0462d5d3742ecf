#include "reports/word_report.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "app/number_text.h"
#include "app/text_to_number.h"
#include "files/staged_file.h"
#include "reports/report_output.h"
#include "reports/report_texts.h"
#include "reports/word_document.h"
#include "reports/word_package.h"

namespace veltora {
namespace {

using TextRows = std::vector<std::vector<std::string>>;

constexpr int kTemplateBandRows = 21;      // rows 2..22 of the score-analysis table
constexpr int kFirstStatisticsRow = 2;
constexpr std::int16_t kDefaultBandWidth = 10;

// Table 1 of templates 1, 2 and 4: a heading row and one data row that the list fills,
// appending a row for each further entry. Fails, as appending a negative number of rows
// would, when the list is empty.
bool FillListTable(WordTable& table, const TextRows& rows) {
    if (!table.AppendRows(static_cast<int>(rows.size()) - 1)) return false;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0; c < rows[i].size(); ++c)
            if (!table.SetCell(static_cast<int>(i) + 2, static_cast<int>(c) + 1, rows[i][c])) return false;
    return true;
}

TextRows ResultRows(const Workspace& ws) {
    TextRows rows;
    for (int i = 1; i <= ws.resultCount; ++i) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = kResNo; c <= kResExtra; ++c) row.push_back(ws.results.Cell(i, c));
    }
    return rows;
}

TextRows WrongAnswerRows(const Workspace& ws) {
    TextRows rows;
    for (int i = 1; i <= ws.resultCount; ++i)
        rows.push_back({ws.results.Cell(i, kResNo), ws.results.Cell(i, kResName),
                        ws.results.Cell(i, kResTotal), WrongAnswerList(ws, i)});
    return rows;
}

TextRows PaperAnalysisRows(const Workspace& ws) {
    TextRows rows;
    const TestPaper& p = ws.paper;
    for (int q = 1; q <= std::clamp<int>(p.testTotal, 0, kMaxQuestions); ++q) {
        const auto i = static_cast<std::size_t>(q);
        std::vector<std::string>& row = rows.emplace_back();
        row.push_back(NumberText(static_cast<double>(q)));
        row.emplace_back(TrimBlanks(p.correctAnswer[i]));
        row.push_back(NumberText(p.mark[i]));
        for (int k = 0; k <= kAnalysedOptions; ++k)
            row.push_back(NumberText(p.scoringRate[static_cast<std::size_t>(k)][i]));
    }
    return rows;
}

// Table 1 of template 3: statistics in column 2, the score bands in columns 3 and 4.
bool FillScoreAnalysis(WordTable& table, Workspace& ws) {
    RecountBands(ws);
    const ScoreStatistics& st = ws.statistics;
    std::vector<double> values = {st.average, st.highest, st.lowest, st.participants,
                                  st.sum,     st.countA,  st.countB, st.countC,
                                  st.countD,  st.countFail, st.countPass};
    const bool anyone = st.participants > 0;
    if (anyone)
        for (const double count : {st.countA, st.countB, st.countC, st.countD, st.countFail, st.countPass})
            values.push_back(count * 100 / st.participants);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!table.SetCell(kFirstStatisticsRow + static_cast<int>(i), 2, PaddedNumberText(values[i])))
            return false;
    if (!anyone) return true;
    const int maxBand = std::clamp<int>(st.maxBand, 0, kMaxBandIndex);
    if (maxBand >= kTemplateBandRows && !table.AppendRows(maxBand - (kTemplateBandRows - 1))) return false;
    const double spacing = ws.paper.scoreParagraphSpacing;
    for (int k = 0; k <= maxBand; ++k) {
        const int row = k + kFirstStatisticsRow;
        const std::string band =
            PaddedNumberText(k * spacing) + " <= AND <" + PaddedNumberText((k + 1) * spacing);
        if (!table.SetCell(row, 3, band) ||
            !table.SetCell(row, 4, NumberText(static_cast<double>(st.bands[static_cast<std::size_t>(k)]))))
            return false;
    }
    return true;
}

// The finished package of table n, or nothing when its template is missing or unfit.
std::optional<WordPackage> MakeReport(const AppContext& ctx, Workspace& ws, std::string_view paperName,
                                      int n) {
    std::optional<WordPackage> package = WordPackage::Load(WordTemplateFile(ctx, n));
    if (!package || !package->MakeDocument()) return std::nullopt;
    std::string* main = package->Part(package->MainPartName());
    if (!main) return std::nullopt;
    std::optional<WordDocument> document = WordDocument::Parse(*main);
    if (!document) return std::nullopt;
    document->PutPaperName(TrimBlanks(paperName));
    std::optional<WordTable> table = document->FirstTable();
    if (!table) return std::nullopt;
    bool filled = false;
    switch (n) {
        case 1: filled = FillListTable(*table, ResultRows(ws)); break;
        case 2: filled = FillListTable(*table, WrongAnswerRows(ws)); break;
        case 3: filled = FillScoreAnalysis(*table, ws); break;
        case 4: filled = FillListTable(*table, PaperAnalysisRows(ws)); break;
    }
    if (!filled) return std::nullopt;
    *main = document->Xml();
    return package;
}

}  // namespace

std::filesystem::path WordTemplateFile(const AppContext& ctx, int table) {
    return ctx.Path("sys/score" + std::to_string(table) + ".dotx");
}

std::filesystem::path WordReportFile(const std::filesystem::path& folder, std::string_view paperName,
                                     int table) {
    std::string base(TrimBlanks(paperName));
    for (char& c : base)
        if (c == '/' || static_cast<unsigned char>(c) < 0x20) c = '_';
    if (base.empty() || base.front() == '.') base = "score";
    return folder / (base + "_" + std::to_string(table) + ".docx");
}

void RecountBands(Workspace& ws) {
    ScoreStatistics& st = ws.statistics;
    std::fill(st.bands.begin(), st.bands.begin() + kFoldBandAbove + 1, std::int16_t{0});
    st.maxBand = 0;
    const double spacing = std::max<int>(ws.paper.scoreParagraphSpacing, 1);
    for (int r = 1; r <= ws.resultCount; ++r) {
        const std::string& total = ws.results.Cell(r, kResTotal);
        if (TrimBlanks(total).empty()) continue;
        const double quotient = std::floor(TextToNumber(total) / spacing);
        if (!(quotient >= 0)) continue;
        const int band = quotient > kFoldBandAbove ? st.maxBand : static_cast<int>(quotient);
        std::int16_t& count = st.bands[static_cast<std::size_t>(band)];
        if (count < INT16_MAX) ++count;
        if (band < kFoldBandAbove && band > st.maxBand) st.maxBand = static_cast<std::int16_t>(band);
    }
}

WordReportResult WriteWordReports(const AppContext& ctx, Workspace& ws, std::string_view paperName,
                                  const std::filesystem::path& folder, const WordTables& tables,
                                  std::int16_t bandWidth) {
    WordReportResult result;
    if (std::none_of(tables.begin(), tables.end(), [](bool ticked) { return ticked; })) {
        result.errorKey = std::string(kChooseTableKey);
        return result;
    }
    ws.paper.scoreParagraphSpacing = bandWidth < 1 ? kDefaultBandWidth : bandWidth;
    const auto fail = [&] {
        result.errorKey = std::string(kWordFailureKey);
        result.files.clear();
        return result;
    };
    // Every document is made and staged before any of them replaces a file.
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (int n = 1; n <= kWordTables; ++n) {
        if (!tables[static_cast<std::size_t>(n - 1)]) continue;
        const std::optional<WordPackage> package = MakeReport(ctx, ws, paperName, n);
        if (!package) return fail();
        const std::filesystem::path file = WordReportFile(folder, paperName, n);
        staged.push_back(std::make_unique<StagedFile>(file));
        if (!StageReport(*staged.back(), [&](const std::filesystem::path& temp) { return package->Save(temp); }))
            return fail();
        result.files.push_back(file);
    }
    for (const auto& document : staged)
        if (!document->Commit()) return fail();
    return result;
}

}  // namespace veltora
