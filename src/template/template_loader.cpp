#include "template/template_loader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <span>

#include "app/profile.h"
#include "app/rounding.h"
#include "app/text_to_number.h"
#include "app/trim_spaces.h"
#include "template/template_validation.h"

namespace veltora {
namespace {

constexpr int kReturnEntriesInFile = 50;

// Where a per-item property is read from: the section of the "default" key and the
// section of the numbered keys (they differ only for the question orientation).
struct ItemProperty {
    std::int16_t ItemLayout::*member;
    const char* defaultSection;
    const char* itemSection;
};

constexpr ItemProperty kDigitProperties[] = {
    {&ItemLayout::orientation, "ID_Orientation", "ID_Orientation"},
    {&ItemLayout::fills, "ID_Fills", "ID_Fills"},
    {&ItemLayout::returnSet, "ID_Return", "ID_Return"},
    {&ItemLayout::x, "ID_X", "ID_X"},
    {&ItemLayout::y, "ID_Y", "ID_Y"},
};

constexpr ItemProperty kQuestionProperties[] = {
    {&ItemLayout::orientation, "Orientation", "OrientationY"},
    {&ItemLayout::fills, "Fills", "Fills"},
    {&ItemLayout::returnSet, "Return", "Return"},
    {&ItemLayout::x, "X", "X"},
    {&ItemLayout::y, "Y", "Y"},
};

// Arrays hold items 0..count+1. Items above the data model's limit are not read from the
// file (they keep the default): such a template is refused by ValidateTemplate anyway, and
// this bounds the work a hostile file can cause.
std::vector<ItemLayout> ReadItems(const ProfileFile& file, std::int16_t count, int readLimit,
                                  std::span<const ItemProperty> properties) {
    const int itemCount = std::max<int>(count, 0);
    std::vector<ItemLayout> items(static_cast<std::size_t>(itemCount) + 2);
    const int lastRead = std::min(itemCount, readLimit);
    for (const ItemProperty& property : properties) {
        const std::int16_t fallback = TemplateInteger(file.Read(property.defaultSection, "default"));
        items[0].*property.member = fallback;
        for (int item = 1; item <= itemCount; ++item) {
            const std::string text =
                item <= lastRead ? file.Read(property.itemSection, std::to_string(item)) : std::string();
            items[item].*property.member = text.empty() ? fallback : TemplateInteger(text);
        }
    }
    return items;
}

}  // namespace

std::int16_t TemplateInteger(std::string_view text) {
    const double value = TextToNumber(text);
    if (const auto nearest = NearestInt16(value)) return *nearest;
    if (std::isnan(value)) return 0;
    return value < 0 ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int16_t>::max();
}

std::optional<std::filesystem::path> TemplateFilePath(const AppContext& context, std::string_view name) {
    const std::string fileName = TrimSpaces(name);
    if (fileName.find_first_of("/\\") != std::string::npos) return std::nullopt;
    return context.Path("DaTiKa/" + fileName + ".DTK");
}

bool LoadTemplate(const AppContext& context, std::string_view name, TemplateModel& model) {
    const auto path = TemplateFilePath(context, name);
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error)) return false;

    const ProfileFile file(*path);
    const auto mainValue = [&file](std::string_view key) { return TemplateInteger(file.Read("MAIN", key)); };
    model.questionsTotal = mainValue("Questions_Total");
    model.cardColumns = mainValue("CARD_Columns");
    model.cardRows = mainValue("CARD_Rows");
    model.cardHeadRows = mainValue("CARD__Head_Rows");
    model.idDigitNumber = mainValue("ID_DigitNumber");
    model.returnCounts = mainValue("ReturnCounts");

    // The table is not cleared first, and sets beyond the table's last one are not read.
    const int lastSet = std::min<int>(model.returnCounts, kMaxReturnSet);
    for (int set = 1; set <= lastSet; ++set) {
        const std::string section = "Return_" + std::to_string(set);
        for (int entry = 1; entry <= kReturnEntriesInFile; ++entry)
            model.returnTable[set][entry] = file.Read(section, std::to_string(entry));
    }

    model.digits = ReadItems(file, model.idDigitNumber, kMaxIdDigits, kDigitProperties);
    model.questions = ReadItems(file, model.questionsTotal, kMaxTemplateQuestions, kQuestionProperties);

    model.questionNames.assign(model.questions.size(), std::string());
    for (std::size_t q = 1; q + 1 < model.questions.size(); ++q) {
        std::string text = q <= kMaxTemplateQuestions ? file.Read("Name", std::to_string(q)) : std::string();
        model.questionNames[q] = text.empty() ? std::to_string(q) : std::move(text);
    }
    return true;
}

}  // namespace veltora
