#include "template/template_validation.h"

#include <algorithm>
#include <string_view>

namespace veltora {
namespace {

std::string Range(int low, int high) { return std::to_string(low) + ".." + std::to_string(high); }

void CheckValue(std::vector<std::string>& problems, std::string_view what, int value, int low, int high) {
    if (value < low || value > high)
        problems.push_back(std::string(what) + " is " + std::to_string(value) + ", outside " + Range(low, high));
}

// The cells an item uses run from position `first` to `last` along its direction.
void CheckCells(std::vector<std::string>& problems, const std::string& item, const ItemLayout& layout,
                int first, int last) {
    const bool down = layout.orientation == 1;
    const int runStart = (down ? layout.y : layout.x) + first;
    const int runEnd = (down ? layout.y : layout.x) + last;
    const int fixed = down ? layout.x : layout.y;
    const auto inside = [](int index) { return index >= kMinCellIndex && index <= kMaxCellIndex; };
    if (inside(fixed) && inside(runStart) && inside(runEnd)) return;
    const std::string from = down ? "(" + std::to_string(fixed) + ", " + std::to_string(runStart) + ")"
                                  : "(" + std::to_string(runStart) + ", " + std::to_string(fixed) + ")";
    const std::string to = down ? "(" + std::to_string(fixed) + ", " + std::to_string(runEnd) + ")"
                                : "(" + std::to_string(runEnd) + ", " + std::to_string(fixed) + ")";
    problems.push_back(item + " uses the cells " + from + " to " + to + ", outside columns and rows " +
                       Range(kMinCellIndex, kMaxCellIndex));
}

void CheckItems(std::vector<std::string>& problems, const std::vector<ItemLayout>& items, int count,
                int limit, std::string_view noun, bool isQuestion) {
    const int held = static_cast<int>(items.size()) - 2;
    if (count > held && count <= limit)
        problems.push_back("only " + std::to_string(std::max(held, 0)) + " " + std::string(noun) +
                           " layouts are held for a count of " + std::to_string(count));
    const int last = std::min({count, limit, held});
    for (int index = 1; index <= last; ++index) {
        const ItemLayout& layout = items[index];
        const std::string item = std::string(noun) + " " + std::to_string(index);
        CheckValue(problems, item + ": return set", layout.returnSet, 0, kMaxReturnSet);
        if (isQuestion) {
            CheckValue(problems, item + ": number of options", layout.fills, 0, kMaxOptionFills);
            // Position -1 is the reference cell (the printed question number) before option 1.
            CheckCells(problems, item, layout, -1, std::max<int>(layout.fills, 0) - 1);
        } else {
            CheckCells(problems, item, layout, 0, kIdDigitCells - 1);
        }
    }
}

}  // namespace

std::vector<std::string> ValidateTemplate(const TemplateModel& model) {
    std::vector<std::string> problems;
    CheckValue(problems, "Questions_Total", model.questionsTotal, 0, kMaxTemplateQuestions);
    CheckValue(problems, "CARD_Columns", model.cardColumns, kMinCardCells, kMaxCardColumns);
    CheckValue(problems, "CARD_Rows", model.cardRows, kMinCardCells, kMaxCardRows);
    CheckValue(problems, "CARD__Head_Rows", model.cardHeadRows, 0, kMaxCardHeadRows);
    CheckValue(problems, "CARD__Head_Rows + CARD_Rows", model.cardHeadRows + model.cardRows, 0, kMaxCardLines);
    CheckValue(problems, "ID_DigitNumber", model.idDigitNumber, 0, kMaxIdDigits);
    CheckValue(problems, "ReturnCounts", model.returnCounts, 0, kMaxReturnSet);
    CheckItems(problems, model.questions, model.questionsTotal, kMaxTemplateQuestions, "question", true);
    CheckItems(problems, model.digits, model.idDigitNumber, kMaxIdDigits, "examinee-number digit", false);
    return problems;
}

}  // namespace veltora
