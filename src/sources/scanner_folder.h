#pragma once
// The scanner-folder monitor's logic: a high-speed scanner's own program drops JPEG files
// into a folder; every look at the folder hands each new file to the caller, which reads
// it as the next sheet. Files present when monitoring starts are never read.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "recognition/raster.h"

namespace veltora {

struct ScannerSettings {
    std::string programFile;              // the scanner's own program; "" starts nothing
    std::filesystem::path watchedFolder;  // where it writes its JPEG files
};

// "scaner.ini" (read only): section "0" key "ProgramFile", section "main" key
// "DefaultPath". An empty "DefaultPath" watches the user's home folder.
ScannerSettings ReadScannerSettings(const std::filesystem::path& scanerIni);

// Starts `programFile` as a separate process without waiting for it, when it names an
// existing file. False when nothing was started.
bool StartScannerProgram(const std::string& programFile);

// Names of the "*.jpg" files of `folder` (extension in any letter case), in the order the
// file system lists them. A missing folder lists nothing.
std::vector<std::string> ListJpegNames(const std::filesystem::path& folder);

class ScannerFolderWatch {
public:
    explicit ScannerFolderWatch(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Starting monitoring: everything in the folder now is known and never read.
    void Start();

    // One look. Only when the folder holds more JPEG files than at the previous look is
    // each listed name checked: a name found inside a known name (1.jpg inside 11.jpg) is
    // not new; a new name becomes known and is handed to `readSheet` at once, in listing
    // order. Afterwards the known names are the names listed now.
    void Look(const std::function<void(const std::string& name)>& readSheet);

    const std::filesystem::path& Folder() const { return folder_; }
    const std::vector<std::string>& KnownNames() const { return known_; }

private:
    std::filesystem::path folder_;
    std::vector<std::string> known_;
};

// Loads a file the scanner program may still be writing: each failed load is followed by
// `wait` (about a second, letting the interface breathe) and a new attempt, up to
// `retries` times. Nothing when the last attempt fails too.
inline constexpr int kScannerLoadRetries = 20;
std::optional<Raster> LoadWhenComplete(const std::filesystem::path& file, const std::function<void()>& wait,
                                       int retries = kScannerLoadRetries);

}  // namespace veltora
