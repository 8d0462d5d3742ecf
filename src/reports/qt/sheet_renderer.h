#pragma once
// Draws an answer sheet from its template and the template's printed geometry: blank for
// printing, or filled in with pencil-like marks for answers and an examinee number.
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "template/print_layout.h"
#include "template/template_model.h"

namespace veltora {

struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct SheetSpec {
    TemplateModel model;
    PrintLayout layout;
    double dpi = 150;
    std::vector<GridCell> marks;  // cells filled in with pencil
    double fillShare = 0.9;       // share of each bubble's area a mark covers
    std::uint32_t seed = 1;       // the same seed draws the same marks
};

// A sheet of template `name`: the template must exist, lie within the data model and carry
// a usable [PRINT] section. Nothing, with `error` set, otherwise.
std::optional<SheetSpec> MakeSheetSpec(const AppContext& context, std::string_view name, std::string& error);

// Marks the bubbles of `answers` (element i for question i + 1; each letter is looked up in
// the question's return set without regard to case; "" leaves a question blank). False,
// with `error` set and `design` unchanged, for an unknown letter or too many answers.
bool MarkAnswers(SheetSpec& design, const std::vector<std::string>& answers, std::string& error);

// Marks one cell per digit of `number` in the examinee-number block. False, with `error`
// set and `design` unchanged, when the template has fewer digits or a character is no digit.
bool MarkExamineeNumber(SheetSpec& design, std::string_view number, std::string& error);

// "A,BC,,D" -> {"A", "BC", "", "D"}.
std::vector<std::string> SplitAnswers(std::string_view text);

// Size of the rendered image in pixels.
QSize SheetPixelSize(const SheetSpec& design);

// Centre of a cell in image pixels of the rendered (unturned) sheet.
QPointF CellCentrePixels(const SheetSpec& design, GridCell cell);

// The sheet as an RGB image at design.dpi. Needs a QGuiApplication (fonts).
QImage RenderSheet(const SheetSpec& design);

// The sheet as a one-page vector PDF of the paper's size; false when it cannot be written.
bool WriteSheetPdf(const SheetSpec& design, const std::filesystem::path& file);

}  // namespace veltora
