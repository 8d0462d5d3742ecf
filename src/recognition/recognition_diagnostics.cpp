#include "recognition/recognition_diagnostics.h"

#include <sstream>

#include "template/template_validation.h"

namespace veltora {
namespace {

void AddItemCells(std::vector<CellDarkness>& cells, const DarknessMatrix& darkness, ItemKind kind, int number,
                  const ItemLayout& item, int first, int last) {
    for (int k = first; k <= last; ++k) {
        const int column = item.orientation == 1 ? item.x : item.x + k;
        const int row = item.orientation == 1 ? item.y + k : item.y;
        if (DarknessMatrix::Contains(column, row))
            cells.push_back({kind, number, k, column, row, darkness.At(column, row)});
    }
}

}  // namespace

RecognitionDiagnostics Diagnose(const Recogniser& r, const TemplateModel& model) {
    RecognitionDiagnostics d;
    d.stage = r.Stage();
    d.failedSide = r.FailedSide();
    d.orientation = r.Orientation();
    d.sampleStep = r.SampleStep();
    d.edgeStrength = r.EdgeStrength();
    d.brightestGrey = r.BrightestGrey();
    d.darkestGrey = r.DarkestGrey();
    d.cornerTL = r.CornerTL();
    d.cornerTR = r.CornerTR();
    d.cornerBL = r.CornerBL();
    d.cornerBR = r.CornerBR();
    d.levels = r.Levels();
    if (d.stage != RecognitionStage::kDone || !ValidateTemplate(model).empty()) return d;
    for (int q = 1; q <= model.questionsTotal; ++q) {
        const ItemLayout& item = model.questions[static_cast<std::size_t>(q)];
        AddItemCells(d.cells, r.Darkness(), ItemKind::kQuestion, q, item, -1, item.fills - 1);
    }
    for (int digit = 1; digit <= model.idDigitNumber; ++digit)
        AddItemCells(d.cells, r.Darkness(), ItemKind::kDigit, digit, model.digits[static_cast<std::size_t>(digit)], 0, 9);
    return d;
}

std::string FormatDiagnostics(const RecognitionDiagnostics& d) {
    std::ostringstream out;
    out << "stage=" << StageName(d.stage) << '\n';
    if (d.stage == RecognitionStage::kCoarseBorder || d.stage == RecognitionStage::kFineBorder)
        out << "failed_side=" << SideName(d.failedSide) << '\n';
    out << "orientation=" << d.orientation << "\nsample_step=" << d.sampleStep << "\nedge_strength=" << d.edgeStrength
        << "\nbrightest_grey=" << d.brightestGrey << "\ndarkest_grey=" << d.darkestGrey << '\n';
    const std::pair<const char*, const Corner*> corners[] = {
        {"tl", &d.cornerTL}, {"tr", &d.cornerTR}, {"bl", &d.cornerBL}, {"br", &d.cornerBR}};
    for (const auto& [name, corner] : corners) out << "corner_" << name << '=' << corner->x << ',' << corner->y << '\n';
    out << "grid_mean=" << d.levels.mean << "\ngrid_max=" << d.levels.max << "\ngrid_min=" << d.levels.min << '\n';
    for (const CellDarkness& c : d.cells)
        out << (c.kind == ItemKind::kQuestion ? "Q" : "ID") << c.item << '.' << c.position << "=(" << c.column << ','
            << c.row << ") " << c.darkness << '\n';
    return out.str();
}

const char* StageName(RecognitionStage stage) {
    switch (stage) {
        case RecognitionStage::kNone: return "none";
        case RecognitionStage::kTemplate: return "template";
        case RecognitionStage::kImage: return "image";
        case RecognitionStage::kCoarseBorder: return "coarse_border";
        case RecognitionStage::kFineBorder: return "fine_border";
        case RecognitionStage::kCorners: return "corners";
        case RecognitionStage::kOrientation: return "orientation";
        case RecognitionStage::kSidePoints: return "side_points";
        case RecognitionStage::kMarks: return "marks";
        case RecognitionStage::kShading: return "shading";
        case RecognitionStage::kDone: return "done";
    }
    return "unknown";
}

const char* SideName(Side side) {
    switch (side) {
        case Side::kLeft: return "left";
        case Side::kRight: return "right";
        case Side::kTop: return "top";
        case Side::kBottom: return "bottom";
    }
    return "unknown";
}

}  // namespace veltora
