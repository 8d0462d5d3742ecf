#include "reports/workbook_design.h"

#include <set>
#include <sstream>
#include <string_view>

#include "app/ascii_case.h"
#include "app/text_to_number.h"

namespace veltora {
namespace {

constexpr std::string_view kSection = "Excel";
constexpr double kDefaultWidth = 10;
constexpr std::size_t kMaxSheetName = 31;
constexpr std::string_view kForbiddenInSheetName = "[]:*?/\\";

constexpr std::string_view kStatisticsLabelKeys[kStatisticsLabels] = {
    "SHEET2_AVERAGE",   "SHEET2_HIGHEST",  "SHEET2_LOWEST",  "SHEET2_PARTICIPANTS",
    "SHEET2_SUM",       "SHEET2_COUNT_A",  "SHEET2_COUNT_B", "SHEET2_COUNT_C",
    "SHEET2_COUNT_D",   "SHEET2_COUNT_FAIL", "SHEET2_COUNT_PASS", "SHEET2_RATE_A",
    "SHEET2_RATE_B",    "SHEET2_RATE_C",   "SHEET2_RATE_D",  "SHEET2_RATE_FAIL",
    "SHEET2_RATE_PASS"};
constexpr std::string_view kResultHeadingKeys[6] = {
    "KAOHAO", "XINGMING", "ZONGCHENGJI", "MINGCI", "CHENGJI", "FUJIACHENGJI"};

// Excel measures a sheet name in UTF-16 units: a character beyond the basic plane counts twice.
std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++units;  // a lead byte starts a character
        if (byte >= 0xF0) ++units;           // four bytes: a surrogate pair
    }
    return units;
}

// Sheet names must differ in more than letter case.
std::string FoldedName(std::string name) {
    for (char& c : name) c = LowerAscii(c);
    return name;
}

bool IsUsableSheetName(const std::string& name, const std::set<std::string>& taken) {
    return !name.empty() && Utf16Length(name) <= kMaxSheetName &&
           name.find_first_of(kForbiddenInSheetName) == std::string::npos &&
           name.front() != '\'' && name.back() != '\'' && !taken.contains(FoldedName(name));
}

// "Sheet<n>", or "Sheet<n> (2)", ... when the language file already gave that name away.
std::string FallbackSheetName(int n, const std::set<std::string>& taken) {
    const std::string base = "Sheet" + std::to_string(n);
    std::string name = base;
    for (int copy = 2; taken.contains(FoldedName(name)); ++copy)
        name = base + " (" + std::to_string(copy) + ")";
    return name;
}

}  // namespace

std::vector<double> ParseColumnWidths(const std::string& text) {
    std::vector<double> widths;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ',');) {
        const double width = TextToNumber(item);
        if (width > 0 && width <= 255) widths.push_back(width);
    }
    return widths;
}

WorkbookDesign LoadWorkbookDesign(const AppContext& ctx) {
    const auto text = [&](std::string_view key) { return ctx.LangText(kSection, key); };
    WorkbookDesign d;
    std::set<std::string> taken;
    for (int n = 1; n <= kWorkbookSheets; ++n) {
        SheetDesign& sheet = d.sheets[static_cast<std::size_t>(n - 1)];
        const std::string prefix = "SHEET" + std::to_string(n);
        sheet.name = text(prefix);
        // A missing or unusable name must not cost the user the workbook.
        if (!IsUsableSheetName(sheet.name, taken)) sheet.name = FallbackSheetName(n, taken);
        taken.insert(FoldedName(sheet.name));
        sheet.title = text(prefix + "_TITLE");
        sheet.widths = ParseColumnWidths(text(prefix + "_WIDTHS"));
        if (sheet.widths.empty()) sheet.widths.push_back(kDefaultWidth);
    }
    d.paperLabel = text("PAPER_NAME");
    d.examineeNo = text("COL_EXAMINEE_NO");
    d.name = text("COL_NAME");
    d.total = text("COL_TOTAL");
    d.wrongList = text("COL_WRONG_LIST");
    d.statisticsItem = text("SHEET2_ITEM");
    d.statisticsValue = text("SHEET2_VALUE");
    for (std::size_t i = 0; i < d.statisticsLabels.size(); ++i)
        d.statisticsLabels[i] = text(kStatisticsLabelKeys[i]);
    d.band = text("SHEET2_BAND");
    d.bandCount = text("SHEET2_BAND_COUNT");
    d.question = text("SHEET3_QUESTION");
    d.answer = text("SHEET3_ANSWER");
    d.mark = text("SHEET3_MARK");
    d.correctRate = text("SHEET3_CORRECT_RATE");
    d.optionRate = text("SHEET3_OPTION_RATE");
    d.wrongListNote = text("SHEET5_NOTE");
    d.wrongByQuestionNote = text("SHEET7_NOTE");
    d.scoreFormat = text("FORMAT_SCORE");
    d.decimalFormat = text("FORMAT_DECIMAL");
    d.rateFormat = text("FORMAT_RATE");
    for (std::size_t i = 0; i < d.resultHeadings.size(); ++i)
        d.resultHeadings[i] = ctx.LangText("main", kResultHeadingKeys[i]);
    return d;
}

}  // namespace veltora
