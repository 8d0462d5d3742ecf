#include "app/cached_profile.h"

#include <sys/stat.h>

namespace veltora {

CachedProfile::CachedProfile(std::filesystem::path file) : file_(std::move(file)) {}

CachedProfile::CachedProfile(const CachedProfile& other) : file_(other.file_) {}

CachedProfile& CachedProfile::operator=(const CachedProfile& other) {
    if (this == &other) return *this;
    const std::scoped_lock lock(mutex_);
    file_ = other.file_;
    loaded_ = false;
    return *this;
}

std::optional<CachedProfile::Stamp> CachedProfile::StampOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return std::nullopt;
    return Stamp{static_cast<unsigned long long>(status.st_dev), static_cast<unsigned long long>(status.st_ino),
                 static_cast<unsigned long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
                 static_cast<long long>(status.st_mtim.tv_nsec)};
}

std::string CachedProfile::Read(std::string_view section, std::string_view key) const {
    const std::scoped_lock lock(mutex_);
    std::optional<Stamp> stamp = StampOf(file_);
    if (!loaded_ || stamp != stamp_) {
        profile_ = stamp ? ProfileFile(file_) : ProfileFile();
        stamp_ = std::move(stamp);
        loaded_ = true;
    }
    return profile_.Read(section, key);
}

}  // namespace veltora
