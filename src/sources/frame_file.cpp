#include "sources/frame_file.h"

#include <cmath>

#include "app/profile.h"
#include "app/text_to_number.h"
#include "recognition/image_file.h"
#include "sources/jpeg_save.h"

namespace veltora {

namespace {

constexpr int kFrameQuality = 75;

std::string LastCharacters(long long value, std::size_t count) {
    const std::string text = std::to_string(value);
    return text.size() <= count ? text : text.substr(text.size() - count);
}

}  // namespace

std::string RunTag(int runNumber) { return LastCharacters(runNumber + 1000LL, 2); }

std::string SavedImageStem(int runNumber, int acquireCount, int sheet) {
    return RunTag(runNumber) + LastCharacters(acquireCount + 1000LL, 2) + LastCharacters(sheet + 10000LL, 4);
}

int AdvanceRunNumber(const std::filesystem::path& regFile) {
    const double stored = TextToNumber(ReadProfile("USER", "RunNumber", regFile));
    const int previous = std::isfinite(stored) ? static_cast<int>(std::fmod(std::fabs(stored), 100.0)) : 0;
    const int next = (previous + 1) % 100;
    WriteProfile("USER", "RunNumber", std::to_string(next), regFile);
    return next;
}

FrameWriters StandardFrameWriters() {
    return {SaveJpegSystem, SaveJpegOwn,
            [](const Raster& frame, const std::filesystem::path& file, std::string* error) {
                return SaveBmp(frame, file, error);
            }};
}

std::optional<std::filesystem::path> FrameSaver::Save(const Raster& frame, const std::filesystem::path& jpegFile,
                                                      std::string* error) {
    if (!systemEncoderFailed_) {
        try {
            writers_.system(frame, jpegFile, kFrameQuality);
            return jpegFile;
        } catch (...) {
            systemEncoderFailed_ = true;
        }
    }
    try {
        writers_.own(frame, jpegFile, kFrameQuality);
        return jpegFile;
    } catch (...) {
    }
    std::filesystem::path bitmapFile = jpegFile;
    bitmapFile.replace_extension(".BMP");
    if (writers_.bitmap(frame, bitmapFile, error)) return bitmapFile;
    return std::nullopt;
}

}  // namespace veltora
