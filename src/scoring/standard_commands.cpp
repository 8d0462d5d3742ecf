#include "scoring/standard_commands.h"

#include "app/number_text.h"
#include "app/text_to_number.h"
#include "scoring/clamped_int16.h"

namespace veltora {

namespace {

constexpr int kEditedParamRows = 10;  // rows 0..9; row 10 is never edited

// The question numbers of a range command: the typed numbers taken as question numbers
// (nearest whole number, halves to even, as every number that becomes a count or index).
struct QuestionRange {
    int first = 0;
    int last = 0;
};

QuestionRange QuestionNumbers(double from, double to) { return {ClampedInt16(from), ClampedInt16(to)}; }

std::string CheckRange(const QuestionRange& range) {
    if (range.first <= 0 || range.last <= 0) return "tihaobunengxiaoyu0";
    if (range.first > range.last) return "zhongzhitihaobunengxiaoyuqishitihao";
    if (range.last > kMaxQuestions) return "zhongzhitihaobunengdayu500";
    return {};
}

// Shows the form for `edit` unless one is already on screen (re-entered through a list
// event); returns whether it was closed with OK.
bool ShowParamForm(ParamEdit& edit, const ParamForm& form) {
    if (edit.formOpen) return false;
    edit.formOpen = true;
    edit.accepted = form ? form(edit) : false;
    edit.formOpen = false;
    return edit.accepted;
}

}  // namespace

std::vector<std::string> DefaultStandardList(const LangText& lang) {
    std::vector<std::string> entries;
    for (int k = 1; k < kDefaultStandardEntries; ++k)
        entries.push_back(lang(kStandardTextSection, "PINGFENBIAOZHUN" + std::to_string(k)));
    entries.push_back(lang(kStandardTextSection, "DuiGeTiShePingFenBiaoZhun"));
    return entries;
}

std::vector<std::string> QuestionStandardList(const LangText& lang) {
    const std::string word = lang(kStandardTextSection, "BIAOZHUN");
    std::vector<std::string> entries;
    for (int k = 1; k <= kQuestionStandardEntries; ++k) entries.push_back(word + " " + std::to_string(k));
    return entries;
}

std::string QuestionRemark(const TestPaper& paper, int i, const LangText& lang) {
    if (i < 0 || i >= kQuestionSlots) return {};
    const auto column = static_cast<std::size_t>(i);
    const double deduction = paper.standardParams[0][column];
    switch (paper.scoringStandard[column]) {
    case 5:
        return lang(kStandardTextSection, "XuanCuoDaoKouFenShu") + NumberText(deduction);
    case 6:
    case 7: {
        std::string remark = lang(kStandardTextSection, "GeXiangFenBieZhiDingDeFen");
        for (int k = 1; k <= kPerOptionOptions; ++k)
            remark += std::string(1, static_cast<char>('@' + k)) +
                      NumberText(paper.standardParams[static_cast<std::size_t>(k)][column]) + " ";
        return remark;
    }
    case 8:
        return lang(kStandardTextSection, "XuanCuoHuoDuoXuanDaoKouFenZhi") + "  " + NumberText(deduction);
    default:
        return {};
    }
}

ParamPanel PanelOf(int standard) {
    if (standard == 5 || standard == 8) return ParamPanel::Deduction;
    if (standard == 6 || standard == 7) return ParamPanel::OptionPoints;
    return ParamPanel::None;
}

void AcceptParamTexts(ParamEdit& edit, const std::array<std::string, 10>& boxes) {
    switch (PanelOf(edit.standard)) {
    case ParamPanel::Deduction:
        edit.values[0] = TextToNumber(boxes[0]);
        break;
    case ParamPanel::OptionPoints:
        for (std::size_t k = 1; k <= kPerOptionOptions; ++k) edit.values[k] = TextToNumber(boxes[k]);
        break;
    case ParamPanel::None:
        break;
    }
}

bool EditParameters(Workspace& ws, int standard, int column, const ParamForm& form) {
    if (column < 0 || column >= kQuestionSlots) return false;
    ParamEdit& edit = ws.paramEdit;
    const auto c = static_cast<std::size_t>(column);
    edit.standard = static_cast<std::int16_t>(standard);
    for (std::size_t k = 0; k < kEditedParamRows; ++k) edit.values[k] = ws.paper.standardParams[k][c];
    if (!ShowParamForm(edit, form)) return false;
    for (std::size_t k = 0; k < kEditedParamRows; ++k) ws.paper.standardParams[k][c] = edit.values[k];
    return true;
}

bool ChooseDefaultStandard(Workspace& ws, int entry, bool fillingLists, const ParamForm& form) {
    if (entry < 1 || entry > kDefaultStandardEntries) return false;
    TestPaper& paper = ws.paper;
    paper.standardScoreForAll = static_cast<std::int16_t>(entry);
    paper.scoringStandard[0] = paper.standardScoreForAll;
    paper.usePerQuestionStandards = entry == kDefaultStandardEntries;
    if (!fillingLists && entry >= 5 && !paper.usePerQuestionStandards)
        EditParameters(ws, entry, 0, form);
    return true;
}

bool ChooseQuestionStandard(Workspace& ws, int row, int entry, bool listOpenedForRow,
                            const ParamForm& form) {
    if (row < 1 || row > ws.paper.testTotal || entry < 1 || entry > kQuestionStandardEntries)
        return false;
    ws.paper.scoringStandard[static_cast<std::size_t>(row)] = static_cast<std::int16_t>(entry);
    ws.paperChanged = true;
    if (listOpenedForRow && entry > 4) EditParameters(ws, entry, row, form);
    return true;
}

std::string SetMarksForRange(Workspace& ws, double from, double to, double marks) {
    const QuestionRange range = QuestionNumbers(from, to);
    if (std::string refusal = CheckRange(range); !refusal.empty()) return refusal;
    ws.paper.ExtendTo(range.last, 1);
    for (int q = range.first; q <= range.last; ++q) ws.paper.mark[static_cast<std::size_t>(q)] = marks;
    ws.paperChanged = true;
    return {};
}

std::string SetStandardForRange(Workspace& ws, double from, double to, int chosen,
                                const ParamForm& form) {
    const QuestionRange range = QuestionNumbers(from, to);
    if (std::string refusal = CheckRange(range); !refusal.empty()) return refusal;
    if (chosen < 1 || chosen > kQuestionStandardEntries) return "QingXianXuanZePingFenBiaoZhun";
    if (!ws.paper.usePerQuestionStandards) return "JinYongYuPingFenBiaoZhunWeiGaoJiMoShi";
    const auto standard = static_cast<std::int16_t>(chosen);
    if (chosen >= 5) {
        ParamEdit& edit = ws.paramEdit;
        edit.standard = standard;
        edit.values.fill(0);
        // A cancelled form leaves the paper exactly as it was, its length included.
        if (!ShowParamForm(edit, form)) return {};
    }
    ws.paper.ExtendTo(range.last, standard);
    for (int q = range.first; q <= range.last; ++q) {
        const auto c = static_cast<std::size_t>(q);
        ws.paper.scoringStandard[c] = standard;
        if (chosen >= 5)
            for (std::size_t k = 0; k < kEditedParamRows; ++k) ws.paper.standardParams[k][c] = ws.paramEdit.values[k];
    }
    ws.paperChanged = true;
    return {};
}

}  // namespace veltora
