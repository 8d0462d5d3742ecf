#include "recognition/examinee_number.h"

#include <algorithm>
#include <array>

#include "app/trim_spaces.h"

namespace veltora {

std::string ReadExamineeNumber(const DarknessMatrix& darkness, const TemplateModel& model) {
    constexpr int kCellsPerDigit = 10;
    std::string text;
    const int digits = std::min<int>(model.idDigitNumber, static_cast<int>(model.digits.size()) - 1);
    if (model.idDigitNumber > digits) return "0";
    for (int d = 1; d <= digits; ++d) {
        const ItemLayout& digit = model.digits[static_cast<std::size_t>(d)];
        if (digit.returnSet < 0 || digit.returnSet > kMaxReturnSet) return "0";
        std::array<int, kCellsPerDigit> v{};
        int hi = -300, lo = 300;
        for (int k = 0; k < kCellsPerDigit; ++k) {
            const int column = digit.orientation == 1 ? digit.x : digit.x + k;
            const int row = digit.orientation == 1 ? digit.y + k : digit.y;
            if (!DarknessMatrix::Contains(column, row)) return "0";
            v[static_cast<std::size_t>(k)] = darkness.At(column, row);
            hi = std::max(hi, v[static_cast<std::size_t>(k)]);
            lo = std::min(lo, v[static_cast<std::size_t>(k)]);
        }
        // A cell counts as marked when it is within a sixth of the digit's range of the
        // darkest one, and only when the digit shows contrast at all.
        int marked = 0;
        for (int k = 0; k < kCellsPerDigit; ++k) {
            if (v[static_cast<std::size_t>(k)] <= lo + (hi - lo) / 6.0 && hi - lo > 10) {
                text += TrimSpaces(model.returnTable[static_cast<std::size_t>(digit.returnSet)][static_cast<std::size_t>(k + 1)]);
                ++marked;
            }
        }
        if (marked != 1) return "0";
    }
    return TrimSpaces(text);
}

}  // namespace veltora
