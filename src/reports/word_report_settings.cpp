#include "reports/word_report_settings.h"

#include "app/number_text.h"
#include "app/profile.h"
#include "app/rounding.h"
#include "app/text_to_number.h"

namespace veltora {
namespace {

constexpr std::string_view kSettingsSection = "FrmToWORD";
constexpr std::int16_t kDefaultWidth = 10;

std::string BoxKey(std::size_t index) { return "BIOAOGE" + std::to_string(index + 1); }

}  // namespace

WordTableBoxes ReadWordTableBoxes(const AppContext& ctx) {
    WordTableBoxes boxes{};
    const ProfileFile settings(ctx.RegFile());
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = NearestInt16(TextToNumber(settings.Read(kSettingsSection, BoxKey(i)))).value_or(0);
    return boxes;
}

bool SaveWordTableBoxes(const AppContext& ctx, const WordTableBoxes& boxes) {
    std::optional<ProfileFile> settings = ProfileFile::Load(ctx.RegFile());
    if (!settings) return false;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        settings->Write(kSettingsSection, BoxKey(i), PaddedNumberText(static_cast<double>(boxes[i])));
    return settings->Save(ctx.RegFile());
}

WordTables ChosenTables(const WordTableBoxes& boxes) {
    WordTables tables{};
    for (std::size_t i = 0; i < boxes.size(); ++i) tables[i] = boxes[i] == 1;
    return tables;
}

BandWidthBox OpenBandWidthBox(std::int16_t width) {
    const std::int16_t shown = width < 1 ? kDefaultWidth : width;
    return {NumberText(static_cast<double>(shown)), shown};
}

BandWidthBox EditBandWidthBox(std::string_view typed, std::int16_t width) {
    const double number = TextToNumber(typed);
    return {NumberText(number), NearestInt16(number).value_or(width)};
}

BandWidthBox LeaveBandWidthBox(std::string_view text) {
    const std::optional<std::int16_t> width = NearestInt16(TextToNumber(text));
    return OpenBandWidthBox(width.value_or(0));
}

}  // namespace veltora
