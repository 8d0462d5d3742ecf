#include "scoring/workspace.h"

#include <algorithm>
#include <utility>

namespace veltora {

namespace {

bool IsQuestionIndex(int q) { return q >= 0 && q < kQuestionSlots; }
bool IsSheetIndex(int s) { return s >= 1 && s <= kMaxSheets; }

}  // namespace

// ---- TestPaper ------------------------------------------------------------------------

void TestPaper::ResetQuestion(int i, std::int16_t standard) {
    if (i < 1 || i > kMaxQuestions) return;
    correctAnswer[i].clear();
    mark[i] = 0;
    scoringStandard[i] = standard;
    for (auto& row : scoringRate) row[i] = 0;
    for (auto& row : standardParams) row[i] = 0;
}

bool TestPaper::ExtendTo(int count, std::int16_t standard) {
    if (count > kMaxQuestions) return false;
    for (int q = testTotal + 1; q <= count; ++q) ResetQuestion(q, standard);
    testTotal = static_cast<std::int16_t>(std::max<int>(testTotal, count));
    return true;
}

void TestPaper::SwapQuestions(int i, int j) {
    if (i < 1 || j < 1 || i > kMaxQuestions || j > kMaxQuestions) return;
    std::swap(correctAnswer[i], correctAnswer[j]);
    std::swap(scoringStandard[i], scoringStandard[j]);
    std::swap(mark[i], mark[j]);
    for (auto& row : scoringRate) std::swap(row[i], row[j]);
    for (auto& row : standardParams) std::swap(row[i], row[j]);
}

bool TestPaper::InsertQuestion(int at, std::int16_t standard) {
    if (testTotal >= kMaxQuestions || at < 1 || at > testTotal + 1) return false;
    ++testTotal;
    ResetQuestion(testTotal, standard);
    for (int q = testTotal; q > at; --q) SwapQuestions(q, q - 1);
    return true;
}

bool TestPaper::DeleteQuestion(int at) {
    if (at < 1 || at > testTotal) return false;
    for (int q = at; q < testTotal; ++q) SwapQuestions(q, q + 1);
    --testTotal;
    return true;
}

// ---- Marked sheets --------------------------------------------------------------------

bool Workspace::ReserveSheet(int s) {
    if (!IsSheetIndex(s)) return false;
    if (s >= static_cast<int>(sheets_.size())) sheets_.resize(static_cast<std::size_t>(s) + 1);
    return true;
}

const Workspace::MarkedSheet* Workspace::SheetAt(int s) const {
    if (!IsSheetIndex(s) || s >= static_cast<int>(sheets_.size())) return nullptr;
    return &sheets_[static_cast<std::size_t>(s)];
}

void Workspace::SetMarkCount(int n) {
    markCount_ = std::clamp(n, 0, kMaxSheets);
    DropUnlistedSheets();
    markOrder.assign(static_cast<std::size_t>(markCount_) + 1, 0);
    for (int r = 1; r <= markCount_; ++r) markOrder[static_cast<std::size_t>(r)] = static_cast<std::int16_t>(r);
}

int Workspace::AppendSheet(std::string image) {
    const int e = markCount_ + 1;
    if (!ReserveSheet(e)) return 0;
    // Storage above MarkCount is dropped whenever sheets go, so whatever this slot holds
    // was stored for the sheet being appended.
    auto& rec = sheets_[static_cast<std::size_t>(e)].rec;
    rec = {};
    rec[kRecImage] = std::move(image);
    markCount_ = e;
    markOrder.resize(static_cast<std::size_t>(e));
    markOrder.push_back(static_cast<std::int16_t>(e));
    return e;
}

void Workspace::DropUnlistedSheets() {
    if (static_cast<int>(sheets_.size()) > markCount_ + 1)
        sheets_.resize(static_cast<std::size_t>(markCount_) + 1);
}

bool Workspace::RemoveSheet(int e) {
    if (e < 1 || e > markCount_) return false;
    if (e < static_cast<int>(sheets_.size())) sheets_.erase(sheets_.begin() + e);
    --markCount_;
    DropUnlistedSheets();
    std::vector<std::int16_t> order(1, 0);
    for (std::size_t r = 1; r < markOrder.size(); ++r) {
        const int s = markOrder[r];
        if (s == e || s < 1 || s > markCount_ + 1) continue;
        order.push_back(static_cast<std::int16_t>(s > e ? s - 1 : s));
    }
    markOrder = std::move(order);
    return true;
}

const std::string& Workspace::Rec(int s, int field) const {
    static const std::string empty;
    const MarkedSheet* sheet = SheetAt(s);
    if (sheet == nullptr || field < 0 || field >= kMarkRecFields) return empty;
    return sheet->rec[static_cast<std::size_t>(field)];
}

bool Workspace::SetRec(int s, int field, std::string text) {
    if (field < 0 || field >= kMarkRecFields || !ReserveSheet(s)) return false;
    sheets_[static_cast<std::size_t>(s)].rec[static_cast<std::size_t>(field)] = std::move(text);
    return true;
}

const std::string& Workspace::Answer(int question, int s) const {
    static const std::string empty;
    const MarkedSheet* sheet = SheetAt(s);
    if (sheet == nullptr || !IsQuestionIndex(question) ||
        question >= static_cast<int>(sheet->answers.size()))
        return empty;
    return sheet->answers[static_cast<std::size_t>(question)];
}

bool Workspace::SetAnswer(int question, int s, std::string text) {
    if (!IsQuestionIndex(question) || !ReserveSheet(s)) return false;
    auto& answers = sheets_[static_cast<std::size_t>(s)].answers;
    if (question >= static_cast<int>(answers.size())) {
        if (text.empty()) return true;  // reads as "" already
        answers.resize(static_cast<std::size_t>(question) + 1);
    }
    answers[static_cast<std::size_t>(question)] = std::move(text);
    return true;
}

float Workspace::QuestionScore(int question, int s) const {
    const MarkedSheet* sheet = SheetAt(s);
    if (sheet == nullptr || !IsQuestionIndex(question) ||
        question >= static_cast<int>(sheet->questionScore.size()))
        return 0.0f;
    return sheet->questionScore[static_cast<std::size_t>(question)];
}

bool Workspace::SetQuestionScore(int question, int s, float points) {
    if (!IsQuestionIndex(question) || !ReserveSheet(s)) return false;
    auto& scores = sheets_[static_cast<std::size_t>(s)].questionScore;
    if (question >= static_cast<int>(scores.size())) {
        if (points == 0.0f) return true;
        scores.resize(static_cast<std::size_t>(question) + 1, 0.0f);
    }
    scores[static_cast<std::size_t>(question)] = points;
    return true;
}

void Workspace::ZeroQuestionScores() {
    for (auto& sheet : sheets_) {
        sheet.questionScore.clear();
        sheet.questionScore.shrink_to_fit();
    }
}

int Workspace::SheetOfResult(int r) const {
    if (r < 0 || r >= static_cast<int>(resultSheet.size())) return 0;
    return resultSheet[static_cast<std::size_t>(r)];
}

// ---- Create/reset operations ----------------------------------------------------------

void Workspace::ResetForRosterLoad() {
    roster.Clear();
    results.Clear();
    rosterCount = 0;
    resultCount = 0;
    ZeroQuestionScores();
}

void Workspace::BlankRoster() {
    rosterCount = 0;
    resultCount = 0;
}

void Workspace::BlankPaper() { paper.testTotal = 0; }

void Workspace::DeleteAllSheets() {
    SetMarkCount(0);
    sheets_.assign(1, MarkedSheet{});
    results.Clear();
    resultSheet.clear();
    rankOrder.clear();
    // Rows beyond the emptied table would read as empty anyway; no count may point past
    // the rows a later reader expects to find.
    resultCount = 0;
}

void Workspace::ResetForMerge() {
    results.Clear();
    resultSheet.assign(static_cast<std::size_t>(std::max<int>(resultCount, 0)) + kMaxSheets + 1, 0);
    rankOrder.clear();
}

void Workspace::ResetForResultsLoad() {
    results.Clear();
    resultCount = 0;
}

}  // namespace veltora
