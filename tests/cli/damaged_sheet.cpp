#include "cli/damaged_sheet.h"

#include "reports/qt/sheet_degradation.h"

namespace veltora::test {

std::optional<std::string> MarkSheet(SheetSpec& design, const std::vector<std::string>& answers,
                                     std::string_view digits, std::string& error) {
    const std::string number(digits.substr(0, static_cast<std::size_t>(design.model.idDigitNumber)));
    if (!MarkAnswers(design, answers, error) || !MarkExamineeNumber(design, number, error)) return std::nullopt;
    return number;
}

QImage DamagedSheet(const SheetSpec& design, const SheetDamage& damage) {
    QImage image = TurnQuarter(RenderSheet(design), damage.turnClockwise);
    if (damage.rotate != 0) image = RotateAboutCentre(image, damage.rotate);
    if (damage.keystone < 1) image = Keystone(image, damage.keystone);
    if (damage.unevenLight > 0) image = UnevenLight(image, damage.unevenLight);
    if (damage.blur > 0) image = GaussianBlur(image, damage.blur);
    if (damage.noise > 0) image = AddNoise(image, damage.noise, damage.noiseSeed);
    if (damage.jpegQuality > 0) image = JpegRoundTrip(image, damage.jpegQuality);
    return image;
}

}  // namespace veltora::test
