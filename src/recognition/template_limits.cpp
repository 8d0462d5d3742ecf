#include "recognition/template_limits.h"

#include <vector>

#include "recognition/darkness_matrix.h"

namespace veltora {
namespace {

// Cells first..last of the item, counted from its first cell (negative: before it).
bool ItemFits(const ItemLayout& item, int first, int last) {
    if (item.returnSet < 0 || item.returnSet > kMaxReturnSet) return false;
    const bool down = item.orientation == 1;
    const int x = item.x, y = item.y;
    return DarknessMatrix::Contains(down ? x : x + first, down ? y + first : y) &&
           DarknessMatrix::Contains(down ? x : x + last, down ? y + last : y);
}

bool ItemsFit(const std::vector<ItemLayout>& items, int count, bool digits) {
    if (count < 0 || static_cast<int>(items.size()) < count + 1) return false;
    for (int i = 1; i <= count; ++i) {
        const ItemLayout& item = items[static_cast<std::size_t>(i)];
        if (digits ? !ItemFits(item, 0, 9)
                   : item.fills < 0 || item.fills > kMaxReturnEntry || !ItemFits(item, -1, item.fills - 1))
            return false;
    }
    return true;
}

}  // namespace

bool TemplateFitsRecognition(const TemplateModel& model) {
    constexpr int kMaxCells = 100, kMaxHeadRows = 20, kMaxLines = 101;
    const auto cellsFit = [](int cells) { return cells >= 2 && cells <= kMaxCells; };
    return cellsFit(model.cardColumns) && cellsFit(model.cardRows) && model.cardHeadRows >= 0 &&
           model.cardHeadRows <= kMaxHeadRows && model.cardHeadRows + model.cardRows <= kMaxLines &&
           ItemsFit(model.digits, model.idDigitNumber, true) &&
           ItemsFit(model.questions, model.questionsTotal, false);
}

}  // namespace veltora
