#pragma once
// The marking tables shared by every command: the test paper, the template it is marked
// with, the marked sheets, the roster, the merged results with their ranking, the
// per-question analysis and the score statistics. One Workspace is owned by the
// application and passed by reference; every test builds a fresh one.
//
// Limits of the data model are enforced here: sheet- and row-indexed storage grows with
// use up to its limit, reads beyond the stored rows give empty values, and writes beyond
// a limit are refused (return false) instead of growing the table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scoring/sort_index.h"
#include "template/template_model.h"

namespace veltora {

// ---- Limits ---------------------------------------------------------------------------
inline constexpr int kMaxQuestions = 500;               // question numbers 1..500
inline constexpr int kQuestionSlots = kMaxQuestions + 2;  // per-question indices 0..501
inline constexpr int kMaxSheets = 10000;                // sheet indices 1..10000
inline constexpr int kMaxRankRows = 10000;              // rows one sort can order
inline constexpr int kMaxRosterRows = 10000;
// One row per roster examinee plus one per unmatched sheet.
inline constexpr int kMaxResultRows = kMaxRosterRows + kMaxSheets;
inline constexpr int kPerOptionOptions = 9;             // options A..I with own points
inline constexpr int kAnalysedOptions = 7;              // options A..G in the analysis
inline constexpr int kParamRows = 11;                   // StandardParams rows 0..10
inline constexpr int kRateRows = 11;                    // ScoringRate rows 0..10
inline constexpr int kMaxBandIndex = 1001;              // Bands 0..1001
inline constexpr int kFoldBandAbove = 1000;             // bands above this are folded
inline constexpr int kMarkRecFields = 21;               // MarkRec fields 0..20
inline constexpr int kResultColumns = 21;               // Results columns 0..20
inline constexpr int kRosterColumns = 6;                // Roster columns 0..5
inline constexpr int kMinStandard = 0;
inline constexpr int kMaxStandard = 9;
inline constexpr int kPerQuestionStandard = 9;          // StandardScoreForAll 9

// ---- Named fields and columns ---------------------------------------------------------
// MarkRec fields (1..19 travel in the marking file).
inline constexpr int kRecImage = 1;
inline constexpr int kRecStatus = 2;
inline constexpr int kRecExamineeNo = 3;
inline constexpr int kRecScore = 4;
inline constexpr int kRecLastFileField = 19;

// Roster columns.
inline constexpr int kRosterNo = 1;
inline constexpr int kRosterName = 2;
inline constexpr int kRosterExtra = 3;     // additional score
inline constexpr int kRosterFourth = 4;    // carried through the file, never shown

// Results columns (1..19 travel in the results file).
inline constexpr int kResNo = 1;
inline constexpr int kResName = 2;
inline constexpr int kResTotal = 3;
inline constexpr int kResRank = 4;
inline constexpr int kResSheetScore = 5;
inline constexpr int kResExtra = 6;
inline constexpr int kResLastFileColumn = 19;

// ---- Test paper -----------------------------------------------------------------------
template <typename T>
using PerQuestion = std::array<T, kQuestionSlots>;

struct TestPaper {
    std::int16_t answerSheetType = 0;      // 1-based position in the template list; 0 none
    std::int16_t testTotal = 0;            // questions 1..testTotal valid, 0..500
    std::int16_t standardScoreForAll = 1;  // 1..9; 9 = each question has its own standard
    bool usePerQuestionStandards = false;  // standardScoreForAll == 9
    double gradeA = 0, gradeB = 0, gradeC = 0, gradeD = 0;
    std::int16_t scoreParagraphSpacing = 10;  // at least 1
    // Element 0 of each per-question array (column 0 of the tables) holds the default.
    PerQuestion<std::string> correctAnswer{};
    PerQuestion<std::int16_t> scoringStandard{};  // 0..9 as read; element 0 = default
    PerQuestion<double> mark{};
    // scoringRate[k][i]: row 0 percent correct, rows 1..7 percent choosing A..G.
    std::array<PerQuestion<double>, kRateRows> scoringRate{};
    // standardParams[k][i]: row 0 deduction, rows 1..9 points of options A..I, row 10 spare.
    std::array<PerQuestion<double>, kParamRows> standardParams{};
    double paperTotal = 0;                 // recomputed when shown
    std::string paperName;                 // file the paper was last loaded from

    TestPaper() { scoringStandard[0] = standardScoreForAll; }

    // Question i (1..500) back to the state of a freshly created question: answer "",
    // 0 points, all analysis and parameter rows 0, the given standard.
    void ResetQuestion(int i, std::int16_t standard);
    // Extends the paper to `count` questions (<= 500), creating questions
    // testTotal+1..count with ResetQuestion. Returns false (nothing changed) above 500.
    bool ExtendTo(int count, std::int16_t standard);
    // Moves every per-question field of one question together.
    void SwapQuestions(int i, int j);
    // Inserts a fresh question before `at` (1..testTotal+1); refused at 500 questions.
    bool InsertQuestion(int at, std::int16_t standard);
    // Removes question `at` (1..testTotal), closing the gap.
    bool DeleteQuestion(int at);
};

// ---- Text tables (roster, results) ----------------------------------------------------
// Rows 0..maxRows of fixed-width text rows. Storage grows on write; reads beyond the stored
// rows give "".
template <std::size_t Columns>
class TextTable {
public:
    using Row = std::array<std::string, Columns>;
    explicit TextTable(int maxRows) : maxRows_(maxRows) {}

    int MaxRows() const { return maxRows_; }
    int StoredRows() const { return static_cast<int>(rows_.size()); }

    const std::string& Cell(int row, int column) const {
        static const std::string empty;
        if (row < 0 || row >= StoredRows() || column < 0 || column >= static_cast<int>(Columns))
            return empty;
        return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    // False when the row is beyond maxRows or the column does not exist.
    bool SetCell(int row, int column, std::string text) {
        if (column < 0 || column >= static_cast<int>(Columns) || !Reserve(row)) return false;
        rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
        return true;
    }
    // Makes row `row` addressable; false beyond maxRows.
    bool Reserve(int row) {
        if (row < 0 || row > maxRows_) return false;
        if (row >= StoredRows()) rows_.resize(static_cast<std::size_t>(row) + 1);
        return true;
    }
    // All columns of a row move together.
    void SwapRows(int a, int b) {
        if (Reserve(a) && Reserve(b))
            std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
    }
    // Inserts an empty row before `at`, shifting rows at.. down; the last stored row falls
    // off when the table is full. False when `at` is out of range.
    bool InsertRow(int at) {
        if (at < 0 || at > maxRows_) return false;
        Reserve(at);
        rows_.insert(rows_.begin() + at, Row{});
        if (StoredRows() > maxRows_ + 1) rows_.pop_back();
        return true;
    }
    // Removes row `at`, shifting the rows below up.
    void EraseRow(int at) {
        if (at >= 0 && at < StoredRows()) rows_.erase(rows_.begin() + at);
    }
    void Clear() { rows_.clear(); rows_.shrink_to_fit(); }

private:
    int maxRows_;
    std::vector<Row> rows_;
};

// ---- Score statistics -----------------------------------------------------------------
struct ScoreStatistics {
    double average = 0;
    double highest = 0;
    double lowest = 0;
    double participants = 0;
    double sum = 0;
    double countA = 0, countB = 0, countC = 0, countD = 0;
    double countFail = 0;
    double countPass = 0;
    std::array<std::int16_t, kMaxBandIndex + 1> bands{};
    std::int16_t maxBand = 0;
};

// Scratch of the parameter form: the column being edited and whether OK closed it.
struct ParamEdit {
    std::int16_t standard = 0;
    std::array<double, kParamRows> values{};
    bool accepted = false;
    bool formOpen = false;
};

// ---- The workspace --------------------------------------------------------------------
struct Workspace {
    TestPaper paper;
    TemplateModel templ;   // the answer-sheet template currently loaded

    // Roster rows 1..rosterCount; Results rows 1..resultCount.
    TextTable<kRosterColumns> roster{kMaxRosterRows};
    std::int16_t rosterCount = 0;
    TextTable<kResultColumns> results{kMaxResultRows};
    std::int16_t resultCount = 0;
    // resultSheet[r]: sheet whose answers belong to result row r (0 none). rankOrder[p]:
    // result row at rank position p. Valid only after the last merge and ranking.
    std::vector<std::int16_t> resultSheet;
    std::vector<std::int16_t> rankOrder;
    std::int16_t foundResultRow = 0;

    // questionOrder[p], p = 1..testTotal: question shown at row p of the analysis list.
    std::vector<std::int16_t> questionOrder;
    ScoreStatistics statistics;

    // markOrder[r], r = 1..MarkCount(): sheet shown at row r of the marking list.
    std::vector<std::int16_t> markOrder = std::vector<std::int16_t>(1, 0);
    std::int16_t currentSheet = 0;
    std::string lastExamineeNo;
    std::string lastScoreText;

    bool paperChanged = false;
    bool rosterChanged = false;
    bool scoresChanged = false;
    bool markOrderFlag = false;   // the one sort-direction toggle of the sortable lists
    UnitRandom sortRandom = MakeUnitRandom();  // pivots of every index sort; tests seed it

    ParamEdit paramEdit;

    // -- Marked sheets (MarkRec, Answers, QuestionScore share the sheet index) --
    int MarkCount() const { return markCount_; }
    // Sets the count (clamped to 0..10000) and rebuilds markOrder as 1..n in order;
    // stored sheets above n are dropped. For loaders that fill records 1..n first.
    void SetMarkCount(int n);
    // Appends a sheet with the given image path: MarkCount()+1, also appended to
    // markOrder; its other record fields start empty. Answers and points already stored
    // under that index (a sheet recognised before it is listed) are kept. Returns the new
    // index, or 0 when the list already holds 10000 sheets.
    int AppendSheet(std::string image);
    // Forgets whatever was stored above MarkCount() (a page recognised but not listed).
    void DropUnlistedSheets();
    // Removes sheet e (1..MarkCount()), moving later sheets up one place with their
    // records, answers and points; markOrder keeps its order without e.
    bool RemoveSheet(int e);

    // Sheet s in 1..10000, field 0..20 / question 0..501. Reads outside give ""/0;
    // writes outside are refused.
    const std::string& Rec(int s, int field) const;
    bool SetRec(int s, int field, std::string text);
    const std::string& Answer(int question, int s) const;
    bool SetAnswer(int question, int s, std::string text);
    float QuestionScore(int question, int s) const;
    bool SetQuestionScore(int question, int s, float points);

    // -- Create/reset operations --
    // Loading a roster: roster and results emptied, every question score zero,
    // rosterCount = resultCount = 0 (the loader then fills rows and sets the counts).
    void ResetForRosterLoad();
    // "Blank document" chosen as roster.
    void BlankRoster();
    // "Blank document" chosen as paper: no questions, every other paper field kept.
    void BlankPaper();
    // Deleting all sheets: no sheets, question scores zero, results emptied.
    void DeleteAllSheets();
    // Start of a merge: results emptied, resultSheet sized for resultCount + 10000 zeros.
    void ResetForMerge();
    // Loading a results file: results emptied (the loader fills rows and resultCount).
    void ResetForResultsLoad();
    // Every question score of every sheet back to 0.
    void ZeroQuestionScores();

    // Sheet of result row r, 0 when none or r is outside resultSheet.
    int SheetOfResult(int r) const;

private:
    struct MarkedSheet {
        std::array<std::string, kMarkRecFields> rec;
        std::vector<std::string> answers;    // grows to the highest question written
        std::vector<float> questionScore;
    };
    bool ReserveSheet(int s);
    const MarkedSheet* SheetAt(int s) const;

    int markCount_ = 0;
    // Index 0 is never a sheet; storage grows up to the highest sheet written.
    std::vector<MarkedSheet> sheets_ = std::vector<MarkedSheet>(1);
};

}  // namespace veltora
