#include "app/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <utility>
#include <string>

namespace veltora {

namespace fs = std::filesystem;

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return descriptor_; }
    // Closes now, because a failing close can be the first report of a failed write.
    bool Close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

private:
    int descriptor_;
};

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a write to `file` must replace: the target of a symbolic link, else `file`.
fs::path ReplacedFile(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(file, error)) return file;
    const fs::path target = fs::canonical(file, error);
    return error ? file : target;
}

// Creates a new, uniquely named file beside `file`; the name is returned in `temporary`.
int CreateTemporaryBeside(const fs::path& file, fs::path& temporary) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = file;
        temporary.replace_filename("." + file.filename().string() + ".tmp" + std::to_string(random()));
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

}  // namespace

bool WriteFileAtomically(const fs::path& file, std::string_view bytes) {
    const fs::path target = ReplacedFile(file);
    fs::path temporary;
    FileDescriptor descriptor(CreateTemporaryBeside(target, temporary));
    if (descriptor.Get() < 0) return false;

    struct stat existing {};
    const bool keepMode = ::stat(target.c_str(), &existing) == 0;
    const bool written = (!keepMode || ::fchmod(descriptor.Get(), existing.st_mode & 07777) == 0) &&
                         WriteAll(descriptor.Get(), bytes) && descriptor.Close() &&
                         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) ::unlink(temporary.c_str());
    return written;
}

}  // namespace veltora
