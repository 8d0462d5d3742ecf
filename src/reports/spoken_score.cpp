#include "reports/spoken_score.h"

#include <cmath>

#include "app/number_text.h"
#include "app/program_folder.h"
#include "app/text_to_number.h"

namespace veltora {

namespace {

std::string DigitFile(int digit) { return std::to_string(digit) + ".wav"; }
std::string DigitFile(char digit) { return std::string(1, digit) + ".wav"; }

}  // namespace

std::vector<std::string> SpeakNumber(double score) {
    if (!(score >= 0) || score > 999.99) return {};
    const std::string text = PaddedNumberText(static_cast<float>(score));  // " 87.5", " .5", " 100"
    const std::size_t point = text.find('.');
    if (point != std::string::npos && text.size() > point + 3) return {};  // a third decimal

    const int n = static_cast<int>(std::floor(TextToNumber(text)));
    const int hundreds = n / 100;
    const int tens = (n - 100 * hundreds) / 10;
    const int units = n - 100 * hundreds - 10 * tens;
    std::vector<std::string> files;
    if (hundreds != 0) {
        files.push_back(DigitFile(hundreds));
        files.push_back("100.wav");
    }
    if (tens == 0) {
        if (hundreds != 0 && units != 0) files.push_back("0.wav");  // 101: the zero between
    } else if (tens == 1 && hundreds == 0) {
        files.push_back("10.wav");  // 10..19 start with "ten"
    } else {
        files.push_back(DigitFile(tens));
        files.push_back("10.wav");
    }
    if (units != 0) {
        files.push_back(DigitFile(units));
    } else if (hundreds == 0 && tens == 0) {
        files.push_back("0.wav");  // the number zero itself
    }
    if (point != std::string::npos) {
        files.push_back("dian.wav");
        for (std::size_t k = point + 1; k < text.size(); ++k) files.push_back(DigitFile(text[k]));
    }
    return files;
}

int PlaySpokenScore(double score, const std::filesystem::path& soundFolder, SoundPlayer& player) {
    int played = 0;
    for (const std::string& name : SpeakNumber(score)) {
        const std::filesystem::path file = ResolvePath(soundFolder, name);
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(file, ignored)) continue;
        player.PlayToEnd(file);
        ++played;
    }
    return played;
}

}  // namespace veltora
