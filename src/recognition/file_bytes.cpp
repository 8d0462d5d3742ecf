#include "recognition/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace veltora {

namespace fs = std::filesystem;

namespace {

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string SystemError(const std::string& what, const fs::path& file) {
    return what + " " + file.string() + ": " + std::strerror(errno);
}

// Owns a file descriptor and, until released, the temporary file it names.
class TempFile {
public:
    explicit TempFile(const fs::path& target) {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkstemp(pattern.data());
        if (fd_ >= 0) path_ = pattern;
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Opened() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

    bool WriteAll(std::span<const std::uint8_t> bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            done += static_cast<std::size_t>(n);
        }
        // Readable like any file the user saves; mkstemp creates it private.
        return ::fchmod(fd_, 0644) == 0 && ::fsync(fd_) == 0;
    }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void Release() { path_.clear(); }

private:
    int fd_ = -1;
    std::string path_;
};

// Moves `from` to `to` only when `to` does not exist, in one step where the file system
// allows it.
bool RenameNoReplace(const std::string& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& file, std::uintmax_t maxBytes,
                                                       std::string* error) {
    std::error_code code;
    const std::uintmax_t size = fs::file_size(file, code);
    if (code) {
        SetError(error, "cannot read " + file.string() + ": " + code.message());
        return std::nullopt;
    }
    if (size > maxBytes) {
        SetError(error, "file too large: " + file.string());
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        SetError(error, "cannot read " + file.string());
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileBytes(const fs::path& file, std::span<const std::uint8_t> bytes, bool replace, std::string* error) {
    TempFile temp(file);
    if (!temp.Opened()) {
        SetError(error, SystemError("cannot create a file beside", file));
        return false;
    }
    if (!temp.WriteAll(bytes) || !temp.Close()) {
        SetError(error, SystemError("cannot write", file));
        return false;
    }
    const bool moved = replace ? std::rename(temp.Path().c_str(), file.c_str()) == 0
                               : RenameNoReplace(temp.Path(), file);
    if (!moved) {
        SetError(error, errno == EEXIST ? "file exists: " + file.string() : SystemError("cannot write", file));
        return false;
    }
    temp.Release();
    return true;
}

}  // namespace veltora
