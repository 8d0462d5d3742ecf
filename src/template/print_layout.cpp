#include "template/print_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <utility>

#include "app/profile.h"
#include "app/text_to_number.h"
#include "template/template_loader.h"

namespace veltora {
namespace {

constexpr const char* kSection = "PRINT";
constexpr double kLargestPaper = 2000;  // mm; far beyond any printer, small enough to raster

struct NumberKey {
    const char* key;
    double PrintLayout::*member;
    double low;
    double high;
};

constexpr NumberKey kNumberKeys[] = {
    {"PaperWidth", &PrintLayout::paperWidth, 1, kLargestPaper},
    {"PaperHeight", &PrintLayout::paperHeight, 1, kLargestPaper},
    {"GridLeft", &PrintLayout::gridLeft, 0, kLargestPaper},
    {"GridTop", &PrintLayout::gridTop, 0, kLargestPaper},
    {"PitchX", &PrintLayout::pitchX, 0.5, 100},
    {"PitchY", &PrintLayout::pitchY, 0.5, 100},
    {"FrameThickness", &PrintLayout::frameThickness, 0.1, 20},
    {"FrameOffset", &PrintLayout::frameOffset, 0, 5},
    {"MarkSize", &PrintLayout::markSize, 0, 50},
    {"BubbleSize", &PrintLayout::bubbleSize, 0.05, 1},
    {"CalibrationSize", &PrintLayout::calibrationSize, 0.05, 1},
};

struct InkKey {
    const char* key;
    InkColour PrintLayout::*member;
};

constexpr InkKey kInkKeys[] = {
    {"FrameInk", &PrintLayout::frameInk},
    {"BubbleInk", &PrintLayout::bubbleInk},
    {"LetterInk", &PrintLayout::letterInk},
    {"NumberInk", &PrintLayout::numberInk},
};

std::string Missing(const char* key) { return std::string("key \"") + key + "\" of section [PRINT] is missing"; }

// "red,green,blue", each 0..255.
std::optional<InkColour> ParseInk(std::string_view text) {
    std::array<int, 3> parts{};
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        const double value = TextToNumber(part);
        if (part.empty() || value < 0 || value > 255 || value != std::floor(value)) return std::nullopt;
        parts[index] = static_cast<int>(value);
        if ((comma == std::string_view::npos) != (index + 1 == parts.size())) return std::nullopt;
        if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
    }
    return InkColour{parts[0], parts[1], parts[2]};
}

std::string CheckPlacement(const PrintLayout& layout, const TemplateModel& model) {
    const RectMm inner = FrameInnerMm(layout, model);
    const double outerTop = layout.gridTop - model.cardHeadRows * layout.pitchY;
    if (inner.left - layout.frameThickness < 0 || inner.right + layout.frameThickness > layout.paperWidth ||
        std::min(outerTop, inner.top - layout.frameThickness) < 0 ||
        inner.bottom + layout.frameThickness > layout.paperHeight)
        return "the grid, its head rows and the frame do not fit on the paper";
    if (layout.frameOffset * 2 >= std::min(layout.pitchX, layout.pitchY))
        return "FrameOffset must be less than half a pitch";
    if (layout.markSize >= std::min(inner.right - inner.left, inner.bottom - inner.top))
        return "MarkSize is larger than the frame";
    if (layout.calibrationColumn < 1 || layout.calibrationColumn > model.cardColumns ||
        layout.calibrationRow < 1 || layout.calibrationRow > model.cardRows)
        return "the calibration cell lies outside the frame's cells";
    return {};
}

}  // namespace

std::optional<PrintLayout> LoadPrintLayout(const AppContext& context, std::string_view name,
                                           const TemplateModel& model, std::string& error) {
    const auto path = TemplateFilePath(context, name);
    std::error_code ignored;
    if (!path || !std::filesystem::is_regular_file(*path, ignored)) {
        error = "no template named \"" + std::string(name) + "\"";
        return std::nullopt;
    }
    const ProfileFile file(*path);
    PrintLayout layout;
    layout.title = file.Read(kSection, "Title");
    for (const NumberKey& entry : kNumberKeys) {
        const std::string text = file.Read(kSection, entry.key);
        if (text.empty()) {
            error = Missing(entry.key);
            return std::nullopt;
        }
        const double value = TextToNumber(text);
        if (!(value >= entry.low && value <= entry.high)) {
            error = std::string(entry.key) + " of section [PRINT] is " + text + ", outside " +
                    std::to_string(entry.low) + ".." + std::to_string(entry.high);
            return std::nullopt;
        }
        layout.*entry.member = value;
    }
    for (const InkKey& entry : kInkKeys) {
        const auto ink = ParseInk(file.Read(kSection, entry.key));
        if (!ink) {
            error = std::string(entry.key) + " of section [PRINT] is not \"red,green,blue\" with values 0..255";
            return std::nullopt;
        }
        layout.*entry.member = *ink;
    }
    for (const auto& [key, member] : {std::pair{"CalibrationColumn", &PrintLayout::calibrationColumn},
                                      std::pair{"CalibrationRow", &PrintLayout::calibrationRow}}) {
        const std::string text = file.Read(kSection, key);
        if (text.empty()) {
            error = Missing(key);
            return std::nullopt;
        }
        layout.*member = static_cast<int>(std::lround(std::clamp(TextToNumber(text), -1.0, 1000.0)));
    }
    error = CheckPlacement(layout, model);
    if (!error.empty()) return std::nullopt;
    return layout;
}

PointMm CellCentreMm(const PrintLayout& layout, int column, int row) {
    return {layout.gridLeft + (column - 0.5) * layout.pitchX, layout.gridTop + (row - 0.5) * layout.pitchY};
}

RectMm FrameInnerMm(const PrintLayout& layout, const TemplateModel& model) {
    return {layout.gridLeft + layout.frameOffset, layout.gridTop + layout.frameOffset,
            layout.gridLeft + model.cardColumns * layout.pitchX - layout.frameOffset,
            layout.gridTop + model.cardRows * layout.pitchY - layout.frameOffset};
}

}  // namespace veltora
