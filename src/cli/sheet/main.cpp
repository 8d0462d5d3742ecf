// veltora-sheet: renders an answer sheet of any template, blank for printing or filled in
// and degraded like a scan or a photograph, for printing and for recognition tests.
#include <QBuffer>
#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/atomic_file.h"
#include "app/program_folder.h"
#include "app/text_to_number.h"
#include "reports/qt/qimage_raster.h"
#include "reports/qt/sheet_degradation.h"
#include "reports/qt/sheet_renderer.h"
#include "sources/jpeg_save.h"

namespace veltora {
namespace {

constexpr const char* kUsage =
    "usage: veltora-sheet [--home DIR] --template NAME [--dpi N] [--answers \"A,BC,,D,...\"]\n"
    "                     [--examinee 12345678] [--turn 0|90|180|270] [--rotate DEG]\n"
    "                     [--keystone RATIO] [--light FALLOFF] [--blur SIGMA] [--noise SIGMA]\n"
    "                     [--jpeg-quality Q] [--jpeg-writer own|system] [--fill SHARE] [--seed N]\n"
    "                     --out FILE.png|.jpg|.pdf\n";

struct NumberOption {
    double low;
    double high;
    bool whole;
};

// The numeric options and their accepted ranges.
const std::map<std::string, NumberOption>& NumberOptions() {
    static const std::map<std::string, NumberOption> options = {
        {"--dpi", {50, 600, false}},        {"--turn", {0, 270, true}},
        {"--rotate", {-45, 45, false}},     {"--keystone", {0.3, 1, false}},
        {"--light", {0, 0.95, false}},      {"--blur", {0, 20, false}},
        {"--noise", {0, 100, false}},       {"--jpeg-quality", {1, 100, true}},
        {"--fill", {0, 1, false}},          {"--seed", {0, 4294967295.0, true}},
    };
    return options;
}

const std::vector<std::string> kTextOptions = {"--home", "--template", "--answers", "--examinee", "--out",
                                               "--jpeg-writer"};

struct Options {
    std::map<std::string, std::string> text;
    std::map<std::string, double> numbers;
    bool help = false;  // --help or -h: print the usage, nothing else

    double Number(const std::string& name, double fallback) const {
        const auto found = numbers.find(name);
        return found == numbers.end() ? fallback : found->second;
    }
    bool Has(const std::string& name) const { return numbers.count(name) > 0; }
};

bool IsNumber(const std::string& text) {
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0';
}

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            return options;
        }
        const bool isText = std::find(kTextOptions.begin(), kTextOptions.end(), name) != kTextOptions.end();
        const auto number = NumberOptions().find(name);
        if (!isText && number == NumberOptions().end()) {
            error = "unknown option \"" + name + "\"";
            return std::nullopt;
        }
        // An option name where the value should be means the value was left out.
        if (i + 1 >= argc || std::string_view(argv[i + 1]).starts_with("--")) {
            error = name + " needs a value";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (isText) {
            options.text[name] = value;
            continue;
        }
        const NumberOption& range = number->second;
        const double parsed = IsNumber(value) ? TextToNumber(value) : -1e300;
        if (parsed < range.low || parsed > range.high || (range.whole && parsed != std::floor(parsed))) {
            error = name + " needs " + (range.whole ? "a whole number" : "a number") + " from " +
                    QString::number(range.low).toStdString() + " to " + QString::number(range.high).toStdString() +
                    ", not \"" + value + "\"";
            return std::nullopt;
        }
        options.numbers[name] = parsed;
    }
    for (const char* required : {"--template", "--out"})
        if (!options.text.count(required)) {
            error = std::string(required) + " is required";
            return std::nullopt;
        }
    if (options.Has("--turn") && static_cast<int>(options.Number("--turn", 0)) % 90 != 0) {
        error = "--turn needs 0, 90, 180 or 270";
        return std::nullopt;
    }
    if (options.text.count("--jpeg-writer") && options.text["--jpeg-writer"] != "own" &&
        options.text["--jpeg-writer"] != "system") {
        error = "--jpeg-writer needs \"own\" or \"system\"";
        return std::nullopt;
    }
    return options;
}

std::string Extension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The scan and camera effects, in the order they happen to a real sheet.
QImage Degrade(QImage image, const Options& options) {
    const auto seed = static_cast<std::uint32_t>(options.Number("--seed", 1));
    image = TurnQuarter(image, static_cast<int>(options.Number("--turn", 0)));
    if (options.Has("--rotate")) image = RotateAboutCentre(image, options.Number("--rotate", 0));
    if (options.Has("--keystone")) image = Keystone(image, options.Number("--keystone", 1));
    if (options.Has("--light")) image = UnevenLight(image, options.Number("--light", 0));
    if (options.Has("--blur")) image = GaussianBlur(image, options.Number("--blur", 0));
    if (options.Has("--noise")) image = AddNoise(image, options.Number("--noise", 0), seed + 1);
    return image;
}

bool SaveImage(const QImage& image, const std::filesystem::path& file, const Options& options, std::string& error) {
    const int quality = static_cast<int>(options.Number("--jpeg-quality", 90));
    if (Extension(file) == ".jpg" || Extension(file) == ".jpeg") {
        const auto it = options.text.find("--jpeg-writer");
        const JpegWriter writer = it != options.text.end() && it->second == "own" ? JpegWriter::Own : JpegWriter::System;
        if (const auto failure = SaveJpeg(ToRaster(image), file, quality, writer)) {
            error = "cannot write " + file.string() + ": " + failure->Description();
            return false;
        }
        return true;
    }
    // A PNG keeps the JPEG artefacts asked for.
    const QImage stored = options.Has("--jpeg-quality") ? JpegRoundTrip(image, quality) : image;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (stored.isNull() || !stored.save(&buffer, "PNG") ||
        !WriteFileAtomically(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

int Run(int argc, char** argv) {
    std::string error;
    const auto options = ParseOptions(argc, argv, error);
    if (!options) {
        std::cerr << "veltora-sheet: " << error << "\n" << kUsage;
        return 2;
    }
    if (options->help) {
        std::cout << kUsage;
        return 0;
    }
    const std::filesystem::path out = options->text.at("--out");
    const std::string extension = Extension(out);
    const bool pdf = extension == ".pdf";
    if (!pdf && extension != ".png" && extension != ".jpg" && extension != ".jpeg") {
        std::cerr << "veltora-sheet: --out must end in .png, .jpg or .pdf\n";
        return 2;
    }
    for (const char* effect : {"--turn", "--rotate", "--keystone", "--light", "--blur", "--noise", "--jpeg-quality"})
        if (pdf && options->Has(effect)) {
            std::cerr << "veltora-sheet: " << effect << " applies to image output (.png, .jpg) only\n";
            return 2;
        }

    const AppContext context(FindProgramFolder(argc, argv));
    auto design = MakeSheetSpec(context, options->text.at("--template"), error);
    if (!design) {
        std::cerr << "veltora-sheet: " << error << "\n";
        return 1;
    }
    design->dpi = options->Number("--dpi", 150);
    design->fillShare = options->Number("--fill", 0.9);
    design->seed = static_cast<std::uint32_t>(options->Number("--seed", 1));
    const auto answers = options->text.find("--answers");
    const auto examinee = options->text.find("--examinee");
    if ((answers != options->text.end() && !MarkAnswers(*design, SplitAnswers(answers->second), error)) ||
        (examinee != options->text.end() && !MarkExamineeNumber(*design, examinee->second, error))) {
        std::cerr << "veltora-sheet: " << error << "\n";
        return 1;
    }

    const bool written = pdf ? WriteSheetPdf(*design, out) : SaveImage(Degrade(RenderSheet(*design), *options), out, *options, error);
    if (!written) {
        std::cerr << "veltora-sheet: " << (error.empty() ? "cannot write " + out.string() : error) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace veltora

int main(int argc, char** argv) {
    // The tool draws without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return veltora::Run(argc, argv);
}
