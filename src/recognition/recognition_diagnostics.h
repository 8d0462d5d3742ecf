#pragma once
// The values of the last recognised (or failed) sheet, gathered for a diagnostics dump.
#include <string>
#include <vector>

#include "recognition/recogniser.h"

namespace veltora {

enum class ItemKind { kQuestion, kDigit };

// The darkness of one cell an item of the template uses. Position -1 is a question's
// reference cell just before its first option; 0.. are the options (digits: 0..9).
struct CellDarkness {
    ItemKind kind = ItemKind::kQuestion;
    int item = 0;
    int position = 0;
    int column = 0;
    int row = 0;
    int darkness = 0;
};

struct RecognitionDiagnostics {
    RecognitionStage stage = RecognitionStage::kNone;
    Side failedSide = Side::kLeft;
    int orientation = 0;
    int sampleStep = 0;
    int edgeStrength = 0;
    int brightestGrey = 0;
    int darkestGrey = 0;
    Corner cornerTL, cornerTR, cornerBL, cornerBR;
    GridLevels levels;
    std::vector<CellDarkness> cells;  // empty unless the sheet got as far as its marks
};

RecognitionDiagnostics Diagnose(const Recogniser& recogniser, const TemplateModel& model);

// "key=value" lines, cells as "Q12.-1=(1,12) 231" and "ID3.7=(5,-3) 64".
std::string FormatDiagnostics(const RecognitionDiagnostics& diagnostics);

const char* StageName(RecognitionStage stage);
const char* SideName(Side side);

}  // namespace veltora
