#pragma once
// The printed geometry of a template, kept in the template file's own section "PRINT"
// (which the template loader ignores): where the cell grid lies on the paper and how the
// frame, marks and bubbles are drawn. Lengths in millimetres from the paper's top-left.
#include <optional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "template/template_model.h"

namespace veltora {

struct InkColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct PrintLayout {
    std::string title;
    double paperWidth = 0;
    double paperHeight = 0;
    double gridLeft = 0;          // x of the grid's left line (column 1 starts here)
    double gridTop = 0;           // y of the grid's top line (row 1 starts here)
    double pitchX = 0;            // cell width
    double pitchY = 0;            // cell height
    double frameThickness = 0;
    double frameOffset = 0;       // the grid lies this far outside the frame's inner edge
    double markSize = 0;          // orientation mark in the frame's inner top-right corner
    double bubbleSize = 0;        // bubble diameter as a share of the pitch
    double calibrationSize = 0;   // calibration square as a share of the pitch
    int calibrationColumn = 0;    // the unused interior cell that holds the square
    int calibrationRow = 0;
    InkColour frameInk;           // frame, marks, calibration square
    InkColour bubbleInk;          // bubble outlines (drop-out)
    InkColour letterInk;          // option letters inside the bubbles
    InkColour numberInk;          // question numbers and the digit labels
};

struct PointMm {
    double x = 0;
    double y = 0;
};

struct RectMm {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Reads section "PRINT" of the template file `name`; nothing, with `error` set, when the
// file or a key is missing or a value is unusable for drawing `model`'s grid.
std::optional<PrintLayout> LoadPrintLayout(const AppContext& context, std::string_view name,
                                           const TemplateModel& model, std::string& error);

// Centre of cell (column, row) on the paper; head rows (row <= 0) continue the pitch upwards.
PointMm CellCentreMm(const PrintLayout& layout, int column, int row);

// The frame's inner edge: the grid of `model`, drawn in by the frame offset on every side.
RectMm FrameInnerMm(const PrintLayout& layout, const TemplateModel& model);

}  // namespace veltora
