#pragma once
// A profile file that is read again only when it has changed on disk: for the language
// file, which is looked up for every caption and message.
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "app/profile.h"

namespace veltora {

class CachedProfile {
public:
    explicit CachedProfile(std::filesystem::path file);
    // A copy reads the same file but keeps its own cache.
    CachedProfile(const CachedProfile& other);
    CachedProfile& operator=(const CachedProfile& other);

    const std::filesystem::path& File() const { return file_; }
    // As ReadProfile(section, key, File()).
    std::string Read(std::string_view section, std::string_view key) const;

private:
    // What identifies one version of the file: a rewrite through rename changes the
    // inode, an edit in place the modification time or the size.
    struct Stamp {
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    static std::optional<Stamp> StampOf(const std::filesystem::path& file);

    std::filesystem::path file_;
    mutable std::mutex mutex_;
    mutable bool loaded_ = false;
    mutable std::optional<Stamp> stamp_;  // none while the file is missing
    mutable ProfileFile profile_;
};

}  // namespace veltora
