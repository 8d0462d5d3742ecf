#pragma once
// The answer-sheet template: where the questions and the examinee-number digits lie in the
// cell grid of a sheet, and what each filled cell stands for. Cells are (column, row);
// rows 1.. lie inside the printed frame, head rows 0, -1, ... above it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veltora {

inline constexpr int kMaxReturnSet = 21;      // return sets 0..21
inline constexpr int kMaxReturnEntry = 51;    // entries 0..51, the file defines 1..50
inline constexpr int kMinCellIndex = -20;     // every cell address lies in -20..100
inline constexpr int kMaxCellIndex = 100;

// Layout of one item (a question or an examinee-number digit). Orientation 1: the cells
// run down one column from (x, y); any other value: along one row.
struct ItemLayout {
    std::int16_t orientation = 0;
    std::int16_t fills = 0;
    std::int16_t returnSet = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct TemplateModel {
    std::int16_t questionsTotal = 0;
    std::int16_t cardColumns = 0;
    std::int16_t cardRows = 0;
    std::int16_t cardHeadRows = 0;
    std::int16_t idDigitNumber = 0;
    std::int16_t returnCounts = 0;
    // returnTable[set][entry]; entries of sets a later load does not define keep their text.
    std::array<std::array<std::string, kMaxReturnEntry + 1>, kMaxReturnSet + 1> returnTable;
    // Indices 0..idDigitNumber+1; element 0 holds the default.
    std::vector<ItemLayout> digits = std::vector<ItemLayout>(2);
    // Indices 0..questionsTotal+1; element 0 holds the default.
    std::vector<ItemLayout> questions = std::vector<ItemLayout>(2);
    std::vector<std::string> questionNames = std::vector<std::string>(2);
};

}  // namespace veltora
