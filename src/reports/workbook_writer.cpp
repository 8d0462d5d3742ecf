#include "reports/workbook_writer.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/number_text.h"
#include "app/text_to_number.h"
#include "reports/report_output.h"
#include "reports/report_texts.h"
#include "reports/workbook_design.h"

namespace veltora {
namespace {

// Questions 1..200 fit on sheets 4, 6 and 7; later ones continue on sheets 8, 9 and 10.
constexpr int kQuestionsPerSheet = 200;
constexpr int kFirstDataRow = 6;
constexpr int kHeadingRow = 5;
constexpr int kLastStatisticsLabelRow = kFirstDataRow + kStatisticsLabels - 1;  // A22
constexpr int kPercentRows = 6;  // B17..B22
constexpr std::string_view kOptionLetters = "ABCDEFG";

std::string QuestionHeading(int q) { return "No." + std::to_string(q); }

// Rows and columns are counted from 1 here as in the workbook's addresses (A1 = 1, 1).
// Every sheet is written row by row, so the writer keeps one row in memory at a time.
class WorkbookFiller {
public:
    WorkbookFiller(const WorkbookDesign& design, const Workspace& ws, std::string_view paperName,
                   const std::filesystem::path& file)
        : design_(design), ws_(ws), paperName_(paperName),
          questions_(std::clamp<int>(ws.paper.testTotal, 0, kMaxQuestions)),
          rows_(ws.resultCount) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        workbook_ = workbook_new_opt(file.c_str(), &options);
        if (!workbook_) {
            error_ = LXW_ERROR_CREATING_TMPFILE;
            return;
        }
        MakeFormats();
        for (std::size_t n = 0; n < sheets_.size(); ++n)
            sheets_[n] = workbook_add_worksheet(workbook_, design_.sheets[n].name.c_str());
        if (std::find(sheets_.begin(), sheets_.end(), nullptr) != sheets_.end())
            error_ = LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    ~WorkbookFiller() {
        if (workbook_) workbook_close(workbook_);
    }
    WorkbookFiller(const WorkbookFiller&) = delete;
    WorkbookFiller& operator=(const WorkbookFiller&) = delete;

    bool Fill() {
        if (error_ != LXW_NO_ERROR) return false;
        FillResults();
        FillWrongAnswers();
        FillStatistics();
        FillPaperAnalysis();
        FillPerQuestion(4, 8, [&](int q, int sheet, int row, int col, int resultRow) {
            Text(sheet, row, col, ws_.Answer(q, ws_.SheetOfResult(resultRow)));
        });
        FillPerQuestion(6, 9, [&](int q, int sheet, int row, int col, int resultRow) {
            Number(sheet, row, col, PointsAsDouble(ws_.QuestionScore(q, ws_.SheetOfResult(resultRow))),
                   score_);
        });
        FillWrongByQuestion();
        return error_ == LXW_NO_ERROR;
    }
    // Writes the file; false when it could not be written.
    bool Close() {
        const lxw_error closed = workbook_close(workbook_);
        workbook_ = nullptr;
        return error_ == LXW_NO_ERROR && closed == LXW_NO_ERROR;
    }

private:
    lxw_worksheet* Sheet(int n) const { return sheets_[static_cast<std::size_t>(n - 1)]; }
    void Keep(lxw_error e) {
        if (error_ == LXW_NO_ERROR) error_ = e;
    }
    void Text(int sheet, int row, int col, const std::string& text, lxw_format* format = nullptr) {
        Keep(worksheet_write_string(Sheet(sheet), static_cast<lxw_row_t>(row - 1),
                                    static_cast<lxw_col_t>(col - 1), text.c_str(), format));
    }
    void Number(int sheet, int row, int col, double value, lxw_format* format) {
        Keep(worksheet_write_number(Sheet(sheet), static_cast<lxw_row_t>(row - 1),
                                    static_cast<lxw_col_t>(col - 1), value, format));
    }
    double ResultNumber(int resultRow, int column) const {
        return TextToNumber(ws_.results.Cell(resultRow, column));
    }
    lxw_format* NumberFormat(const std::string& code) {
        lxw_format* format = workbook_add_format(workbook_);
        if (!code.empty()) format_set_num_format(format, code.c_str());
        return format;
    }
    void MakeFormats() {
        title_ = workbook_add_format(workbook_);
        format_set_bold(title_);
        format_set_font_size(title_, 14);
        label_ = workbook_add_format(workbook_);
        format_set_bold(label_);
        heading_ = workbook_add_format(workbook_);
        format_set_bold(heading_);
        format_set_bottom(heading_, LXW_BORDER_THIN);
        format_set_bg_color(heading_, 0xDDEBF7);
        format_set_text_wrap(heading_);
        format_set_align(heading_, LXW_ALIGN_CENTER);
        format_set_align(heading_, LXW_ALIGN_VERTICAL_CENTER);
        note_ = workbook_add_format(workbook_);
        format_set_italic(note_);
        format_set_font_color(note_, 0x595959);
        score_ = NumberFormat(design_.scoreFormat);
        decimal_ = NumberFormat(design_.decimalFormat);
        rate_ = NumberFormat(design_.rateFormat);
    }

    // Column widths of the design up to the last column the sheet uses.
    void SetWidths(int sheet, int lastColumn) {
        const std::vector<double>& widths = design_.sheets[static_cast<std::size_t>(sheet - 1)].widths;
        const int explicitColumns = static_cast<int>(widths.size()) - 1;
        for (int c = 0; c < explicitColumns; ++c)
            worksheet_set_column(Sheet(sheet), static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 widths[static_cast<std::size_t>(c)], nullptr);
        const int last = std::max(lastColumn - 1, explicitColumns);
        worksheet_set_column(Sheet(sheet), static_cast<lxw_col_t>(explicitColumns),
                             static_cast<lxw_col_t>(last), widths.back(), nullptr);
    }
    // Rows 1..3: title, paper name (sheets 1..7) and an explanatory note.
    void Header(int sheet, int lastColumn, const std::string& note = {}) {
        SetWidths(sheet, lastColumn);
        Text(sheet, 1, 1, design_.sheets[static_cast<std::size_t>(sheet - 1)].title, title_);
        if (sheet <= 7) {
            Text(sheet, 2, 1, design_.paperLabel, label_);
            Text(sheet, 2, 2, std::string(TrimBlanks(paperName_)), label_);
        }
        if (!note.empty()) Text(sheet, 3, 1, note, note_);
    }
    void Headings(int sheet, int firstColumn, const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            Text(sheet, kHeadingRow, firstColumn + static_cast<int>(i), texts[i], heading_);
    }
    void NameColumns(int sheet, int row, int resultRow) {
        Text(sheet, row, 1, ws_.results.Cell(resultRow, kResNo));
        Text(sheet, row, 2, ws_.results.Cell(resultRow, kResName));
    }

    void FillResults() {
        Header(1, 6);
        Headings(1, 1, std::vector<std::string>(design_.resultHeadings.begin(), design_.resultHeadings.end()));
        worksheet_freeze_panes(Sheet(1), kFirstDataRow - 1, 0);
        for (int i = 1; i <= rows_; ++i) {
            const int row = i + kFirstDataRow - 1;
            NameColumns(1, row, i);
            for (int c = kResTotal; c <= kResExtra; ++c) Number(1, row, c, ResultNumber(i, c), score_);
        }
    }

    void FillWrongAnswers() {
        Header(5, 4, design_.wrongListNote);
        Headings(5, 1, {design_.examineeNo, design_.name, design_.total, design_.wrongList});
        worksheet_freeze_panes(Sheet(5), kFirstDataRow - 1, 0);
        for (int i = 1; i <= rows_; ++i) {
            const int row = i + kFirstDataRow - 1;
            NameColumns(5, row, i);
            Number(5, row, 3, ResultNumber(i, kResTotal), score_);
            Text(5, row, 4, WrongAnswerList(ws_, i));
        }
    }

    void FillStatistics() {
        const ScoreStatistics& st = ws_.statistics;
        const bool anyone = st.participants > 0;
        const int maxBand = anyone ? std::clamp<int>(st.maxBand, 0, kMaxBandIndex) : -1;
        Header(2, 5);
        Headings(2, 1, {design_.statisticsItem, design_.statisticsValue});
        Headings(2, 4, {design_.band, design_.bandCount});
        const double values[kStatisticsLabels - kPercentRows] = {
            st.average, st.highest, st.lowest, st.participants, st.sum, st.countA,
            st.countB,  st.countC,  st.countD, st.countFail,    st.countPass};
        const double counts[kPercentRows] = {st.countA, st.countB,    st.countC,
                                             st.countD, st.countFail, st.countPass};
        const double spacing = std::max<int>(ws_.paper.scoreParagraphSpacing, 1);
        const int lastRow = std::max(kLastStatisticsLabelRow, maxBand + kFirstDataRow);
        for (int row = kFirstDataRow; row <= lastRow; ++row) {
            const int item = row - kFirstDataRow;
            if (item < kStatisticsLabels) {
                Text(2, row, 1, design_.statisticsLabels[static_cast<std::size_t>(item)]);
                if (item < static_cast<int>(std::size(values)))
                    Number(2, row, 2, values[item], item == 0 ? decimal_ : score_);
                else if (anyone)
                    Number(2, row, 2, counts[static_cast<std::size_t>(item) - std::size(values)] * 100 / st.participants, decimal_);
            }
            if (item <= maxBand) {
                Text(2, row, 4, NumberText(item * spacing) + " <= And <" + " " + NumberText((item + 1) * spacing));
                Number(2, row, 5, st.bands[static_cast<std::size_t>(item)], score_);
            }
        }
    }

    void FillPaperAnalysis() {
        Header(3, 11);
        worksheet_merge_range(Sheet(3), kHeadingRow - 2, 4, kHeadingRow - 2, 10,
                              design_.optionRate.c_str(), heading_);
        std::vector<std::string> headings = {design_.question, design_.answer, design_.mark,
                                             design_.correctRate};
        for (const char letter : kOptionLetters) headings.emplace_back(1, letter);
        Headings(3, 1, headings);
        worksheet_freeze_panes(Sheet(3), kFirstDataRow - 1, 0);
        const TestPaper& p = ws_.paper;
        for (int q = 1; q <= questions_; ++q) {
            const auto i = static_cast<std::size_t>(q);
            const int row = q + kFirstDataRow - 1;
            Number(3, row, 1, q, nullptr);
            Text(3, row, 2, p.correctAnswer[i]);
            Number(3, row, 3, p.mark[i], score_);
            for (int k = 0; k <= kAnalysedOptions; ++k)
                Number(3, row, 4 + k, p.scoringRate[static_cast<std::size_t>(k)][i], rate_);
        }
    }

    // Sheets 4 and 6 with their continuations: headings "No.q" in row 5 from column C, the
    // examinee in A and B, one row per result row.
    template <typename WriteCell>
    void FillPerQuestion(int mainSheet, int continuation, WriteCell writeCell) {
        const bool continues = questions_ > kQuestionsPerSheet;
        const auto place = [&](int q) {
            return q <= kQuestionsPerSheet ? std::pair{mainSheet, q + 2}
                                           : std::pair{continuation, q - kQuestionsPerSheet + 2};
        };
        Header(mainSheet, std::min(questions_, kQuestionsPerSheet) + 2);
        Header(continuation, continues ? questions_ - kQuestionsPerSheet + 2 : 2);
        for (const int sheet : {mainSheet, continuation}) {
            if (sheet == continuation && !continues) continue;
            Headings(sheet, 1, {design_.examineeNo, design_.name});
            worksheet_freeze_panes(Sheet(sheet), kFirstDataRow - 1, 2);
        }
        for (int q = 1; q <= questions_; ++q) {
            const auto [sheet, col] = place(q);
            Text(sheet, kHeadingRow, col, QuestionHeading(q), heading_);
        }
        for (int i = 1; i <= rows_; ++i) {
            const int row = i + kFirstDataRow - 1;
            NameColumns(mainSheet, row, i);
            if (continues) NameColumns(continuation, row, i);
            for (int q = 1; q <= questions_; ++q) {
                const auto [sheet, col] = place(q);
                writeCell(q, sheet, row, col, i);
            }
        }
    }

    // Sheet 7 (and 10): one column per question listing the examinees who got it wrong.
    void FillWrongByQuestion() {
        std::vector<std::vector<int>> wrongRows(static_cast<std::size_t>(questions_) + 1);
        for (int i = 1; i <= rows_; ++i)
            for (int q = 1; q <= questions_; ++q)
                if (IsWrongAnswer(ws_, q, i)) wrongRows[static_cast<std::size_t>(q)].push_back(i);
        const auto place = [](int q) {
            return q <= kQuestionsPerSheet ? std::pair{7, q} : std::pair{10, q - kQuestionsPerSheet};
        };
        Header(7, std::min(questions_, kQuestionsPerSheet), design_.wrongByQuestionNote);
        Header(10, std::max(questions_ - kQuestionsPerSheet, 1));
        std::size_t longest = 0;
        for (int q = 1; q <= questions_; ++q) {
            const auto [sheet, col] = place(q);
            Text(sheet, kHeadingRow, col, QuestionHeading(q), heading_);
            longest = std::max(longest, wrongRows[static_cast<std::size_t>(q)].size());
        }
        for (std::size_t n = 0; n < longest; ++n) {
            const int row = static_cast<int>(n) + kFirstDataRow;
            for (int q = 1; q <= questions_; ++q) {
                const std::vector<int>& list = wrongRows[static_cast<std::size_t>(q)];
                if (n >= list.size()) continue;
                const auto [sheet, col] = place(q);
                Text(sheet, row, col, ExamineeLabel(ws_, list[n]));
            }
        }
    }

    const WorkbookDesign& design_;
    const Workspace& ws_;
    std::string_view paperName_;
    const int questions_;
    const int rows_;
    lxw_workbook* workbook_ = nullptr;
    std::array<lxw_worksheet*, kWorkbookSheets> sheets_{};
    lxw_format *title_ = nullptr, *label_ = nullptr, *heading_ = nullptr, *note_ = nullptr;
    lxw_format *score_ = nullptr, *decimal_ = nullptr, *rate_ = nullptr;
    lxw_error error_ = LXW_NO_ERROR;
};

}  // namespace

std::optional<std::string> WriteWorkbook(const AppContext& ctx, const Workspace& ws,
                                         std::string_view paperName,
                                         const std::filesystem::path& file) {
    const std::optional<std::string> failure = std::string(kWorkbookFailureKey);
    if (ws.resultCount < 1) return failure;
    const WorkbookDesign design = LoadWorkbookDesign(ctx);
    StagedFile staged(file);
    const bool written = StageReport(staged, [&](const std::filesystem::path& temp) {
        WorkbookFiller filler(design, ws, paperName, temp);
        const bool filled = filler.Fill();
        return filler.Close() && filled;
    });
    if (!written || !staged.Commit()) return failure;
    return std::nullopt;
}

}  // namespace veltora
