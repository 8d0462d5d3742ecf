#pragma once
// Answer sheets drawn in test code: a printed frame with its orientation mark, a
// calibration block, red bubbles and pencil marks placed on a template's cell grid, then
// "photographed" (turned, tilted, keystoned, unevenly lit, noisy).
#include <cstdint>
#include <optional>
#include <vector>

#include "recognition/raster.h"
#include "template/template_model.h"

namespace veltora::test {

struct CellRef {
    int column = 0;
    int row = 0;
};

// The printed sheet in millimetres, upright.
struct SheetDrawing {
    double dpi = 150;
    double pageWidth = 210, pageHeight = 297;
    double pitch = 5;                 // cell size
    double gridLeft = 0, gridTop = 0; // top-left corner of cell (1, 1)
    int columns = 2, rows = 2;
    double frameInset = 0.4;          // frame's inner edge inside the grid boundary
    double frameThickness = 1.0;
    double markSide = 2.5;            // orientation mark, inner top-right corner
    bool orientationMark = true;
    std::optional<CellRef> calibrationCell;
    std::vector<CellRef> bubbles;     // printed outlines
    std::vector<CellRef> filled;      // pencil marks
    std::uint32_t pencil = 0x00383838;
};

Raster DrawSheet(const SheetDrawing& drawing);

// How the camera or scanner saw the sheet.
struct View {
    int quarterTurnsAnticlockwise = 0;  // 1: top edge on the left, 3: on the right
    double degrees = 0;                 // small in-plane rotation
    double keystone = 1;                // far (top) edge length / near edge length
    double lightFalloff = 0;            // 0.3: bottom 30 % brighter than the top's level
    double noiseSigma = 0;
    unsigned seed = 1;
};

Raster Photograph(const Raster& upright, const View& view);

// The template the tests' sheets follow: 21 x 24 cells, 11 head rows with a six-digit
// examinee number (digits 0..9 down columns 3..8, rows -10..-1), 60 questions A-D in three
// blocks of 20 rows, a calibration block in cell (20, 3).
TemplateModel SampleTemplate();
// The sheet of SampleTemplate with the given examinee number digits and answers (per
// question a bit mask of the filled options: 0 blank, 1 A, 2 B, 4 C, 8 D, 3 AB).
SheetDrawing SampleSheet(const TemplateModel& model, const std::vector<int>& digits,
                         const std::vector<int>& answers, double dpi);

// Cells of an item (digit or question option k, counted from 0).
CellRef ItemCell(const ItemLayout& item, int k);

}  // namespace veltora::test
