#include "files/staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace veltora {

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target)) {
    std::string pattern =
        (target_.parent_path() / ("." + target_.filename().string() + ".XXXXXX")).string();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ >= 0) temp_ = pattern;
}

StagedFile::~StagedFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty() && !committed_) {
        std::error_code ignored;
        std::filesystem::remove(temp_, ignored);
    }
}

void StagedFile::Write(std::string_view bytes) {
    while (Ok() && !bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            ok_ = false;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool StagedFile::KeepTargetPermissions() {
    // A replaced file keeps its permissions; a new one gets the usual rw-r--r-- instead of
    // the temporary file's private rw-------.
    std::error_code noTarget;
    const auto status = std::filesystem::status(target_, noTarget);
    const auto mode = noTarget ? std::filesystem::perms(0644) : status.permissions() & std::filesystem::perms::mask;
    return ::fchmod(fd_, static_cast<mode_t>(mode)) == 0;
}

bool StagedFile::Finish() {
    if (!Ok()) return false;
    ok_ = KeepTargetPermissions() && ::fsync(fd_) == 0;
    ok_ = (::close(fd_) == 0) && ok_;
    fd_ = -1;
    finished_ = ok_;
    return finished_;
}

bool StagedFile::FinishWith(const std::function<bool(const std::filesystem::path&)>& writeFile) {
    if (!Ok()) return false;
    // The writer replaces the temporary file keeping its permissions, so they are set first.
    ok_ = KeepTargetPermissions();
    ::close(fd_);
    fd_ = -1;
    finished_ = ok_ && writeFile(temp_);
    return finished_;
}

bool StagedFile::Commit() {
    if (!finished_ || committed_) return false;
    committed_ = ::rename(temp_.c_str(), target_.c_str()) == 0;
    return committed_;
}

}  // namespace veltora
