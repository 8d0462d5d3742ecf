#pragma once
// Names and saving of the images kept for marked sheets: eight digits, RunTag (two digits
// of the run number), two of the acquisition count and four of the sheet number.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "recognition/raster.h"

namespace veltora {

// The last two digits of (runNumber + 1000).
std::string RunTag(int runNumber);

// RunTag, the last two characters of (acquireCount + 1000), the last four of (sheet + 10000):
// run 7, count 3, sheet 12 -> "07030012".
std::string SavedImageStem(int runNumber, int acquireCount, int sheet);

// Advances the run number kept in `regFile` (section "USER", key "RunNumber", 0..99) and
// returns the new value, so consecutive runs never share a RunTag. When the file cannot
// be written the number is still advanced for this run.
int AdvanceRunNumber(const std::filesystem::path& regFile);

// The three ways of saving a camera frame, in the order they are tried.
struct FrameWriters {
    // Raise (any exception) on failure.
    std::function<void(const Raster&, const std::filesystem::path&, int quality)> system;
    std::function<void(const Raster&, const std::filesystem::path&, int quality)> own;
    // False (with the reason) on failure.
    std::function<bool(const Raster&, const std::filesystem::path&, std::string* error)> bitmap;
};
FrameWriters StandardFrameWriters();  // SaveJpegSystem, SaveJpegOwn, SaveBmp

// Saves frames at quality 75: with the system encoder until it fails once (remembered for
// the life of the saver, i.e. the run), then with the own writer, and when that fails too
// as a bitmap under the same name with ".BMP".
class FrameSaver {
public:
    explicit FrameSaver(FrameWriters writers = StandardFrameWriters()) : writers_(std::move(writers)) {}

    // `jpegFile` ends in ".jpg". The file actually written, or nothing (with the reason)
    // when even the bitmap could not be written.
    std::optional<std::filesystem::path> Save(const Raster& frame, const std::filesystem::path& jpegFile,
                                              std::string* error = nullptr);

    bool SystemEncoderFailed() const { return systemEncoderFailed_; }

private:
    FrameWriters writers_;
    bool systemEncoderFailed_ = false;
};

}  // namespace veltora
