#include "cli/mark/sheet_dump.h"

#include <initializer_list>
#include <utility>

#include "cli/mark/json_text.h"
#include "recognition/recognition_diagnostics.h"
#include "scoring/score_sheet.h"

namespace veltora {

namespace {

constexpr const char* kNull = "null";

// Whether the sheet's reading got past `stage`, so that the values it computed are the
// sheet's own and not those an earlier sheet left.
bool Reached(const Recogniser& r, const SheetMarked& sheet, RecognitionStage stage) {
    return sheet.decoded && r.Stage() >= stage;
}

std::string Number(int value) { return std::to_string(value); }

std::string Point(const Corner& corner) { return "[" + Number(corner.x) + "," + Number(corner.y) + "]"; }

std::string Corners(const Recogniser& r) {
    return "{\"tl\":" + Point(r.CornerTL()) + ",\"tr\":" + Point(r.CornerTR()) + ",\"bl\":" + Point(r.CornerBL()) +
           ",\"br\":" + Point(r.CornerBR()) + "}";
}

std::string Darkness(const Recogniser& r, const TemplateModel& model) {
    std::string list = "[";
    for (const CellDarkness& cell : Diagnose(r, model).cells) {
        if (list.size() > 1) list += ',';
        list += "[" + Number(cell.column) + "," + Number(cell.row) + "," + Number(cell.darkness) + "]";
    }
    return list + "]";
}

std::string Answers(const Workspace& ws, int entry) {
    std::string list = "[";
    for (int q = 1; q <= ScoredQuestionCount(ws); ++q) {
        if (q > 1) list += ',';
        list += JsonString(ws.Answer(q, entry));
    }
    return list + "]";
}

}  // namespace

std::string SheetDumpLine(const Workspace& ws, const Recogniser& r, const SheetMarked& sheet) {
    const bool calibrated = Reached(r, sheet, RecognitionStage::kCoarseBorder);
    const bool cornered = Reached(r, sheet, RecognitionStage::kCorners);
    const bool oriented = Reached(r, sheet, RecognitionStage::kSidePoints);
    const bool ok = sheet.recognised;
    const auto value = [](bool known, const std::string& text) { return known ? text : std::string(kNull); };

    const std::pair<const char*, std::string> fields[] = {
        {"image", JsonString(ws.Rec(sheet.entry, kRecImage))},
        {"ok", ok ? "true" : "false"},
        {"orientation", value(oriented, Number(r.Orientation()))},
        {"sample_step", value(calibrated, Number(r.SampleStep()))},
        {"edge_strength", value(calibrated, Number(r.EdgeStrength()))},
        {"brightest_grey", value(calibrated, Number(r.BrightestGrey()))},
        {"darkest_grey", value(calibrated, Number(r.DarkestGrey()))},
        {"corners", value(cornered, Corners(r))},
        {"grid_mean", value(ok, Number(r.Levels().mean))},
        {"grid_max", value(ok, Number(r.Levels().max))},
        {"grid_min", value(ok, Number(r.Levels().min))},
        {"darkness", value(ok, Darkness(r, ws.templ))},
        {"examinee", value(ok, JsonString(r.LastExamineeNo()))},
        {"answers", value(ok, Answers(ws, sheet.entry))},
        {"score", JsonString(ws.Rec(sheet.entry, kRecScore))},
    };
    std::string line = "{";
    for (const auto& [key, text] : fields) {
        if (line.size() > 1) line += ',';
        line += JsonString(key) + ":" + text;
    }
    if (!sheet.decoded) line += ",\"error\":" + JsonString(sheet.decodeError);
    return line + "}\n";
}

}  // namespace veltora
