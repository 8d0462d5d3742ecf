#include "sources/scanner_folder.h"

#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include "app/profile.h"
#include "app/trim_spaces.h"
#include "recognition/image_file.h"

namespace veltora {

namespace fs = std::filesystem;

namespace {

bool IsJpegName(const fs::path& name) {
    std::string extension = name.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".jpg";
}

fs::path HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? fs::path(home) : fs::path("/");
}

}  // namespace

ScannerSettings ReadScannerSettings(const fs::path& scanerIni) {
    const ProfileFile ini(scanerIni);
    ScannerSettings settings;
    settings.programFile = ini.Read("0", "ProgramFile");
    const std::string folder = ini.Read("main", "DefaultPath");
    settings.watchedFolder = folder.empty() ? HomeFolder() : fs::path(folder);
    return settings;
}

bool StartScannerProgram(const std::string& programFile) {
    std::error_code ignored;
    if (programFile.empty() || !fs::is_regular_file(programFile, ignored)) return false;
    // Everything the child needs is prepared before fork: between fork and exec only
    // async-signal-safe calls are allowed.
    std::string program = programFile;
    char* const argv[] = {program.data(), nullptr};
    // Fork twice so the program is nobody's child here and leaves no zombie behind.
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (::fork() == 0) {
            ::setsid();
            ::execv(argv[0], argv);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return true;
}

std::vector<std::string> ListJpegNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code code;
    for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code)) {
        std::error_code ignored;
        if (IsJpegName(it->path().filename()) && it->is_regular_file(ignored))
            names.push_back(it->path().filename().string());
    }
    return names;
}

void ScannerFolderWatch::Start() { known_ = ListJpegNames(folder_); }

void ScannerFolderWatch::Look(const std::function<void(const std::string& name)>& readSheet) {
    std::vector<std::string> current = ListJpegNames(folder_);
    if (current.size() > known_.size()) {
        for (const std::string& name : current) {
            const std::string trimmed = TrimSpaces(name);
            const bool known = std::any_of(known_.begin(), known_.end(), [&](const std::string& k) {
                return TrimSpaces(k).find(trimmed) != std::string::npos;
            });
            if (known) continue;
            known_.push_back(name);  // so it is never handed over twice within this look
            readSheet(name);
        }
    }
    known_ = std::move(current);
}

std::optional<Raster> LoadWhenComplete(const fs::path& file, const std::function<void()>& wait, int retries) {
    for (int attempt = 0;; ++attempt) {
        if (auto image = LoadImageFile(file)) return image;
        if (attempt == retries) return std::nullopt;
        wait();
    }
}

}  // namespace veltora
