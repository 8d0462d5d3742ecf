#pragma once
// INI profile files: GBK with CR LF on disk, UTF-8 in memory. Section and key names match
// without regard to letter case and the first match wins; values are trimmed, lose one
// matching pair of enclosing quotes and are cut after their 255th byte (as stored on disk).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace veltora {

// A profile file read once, for loaders that look up many keys (templates, papers).
class ProfileFile {
public:
    ProfileFile() = default;
    // A missing or unreadable file reads as empty.
    explicit ProfileFile(const std::filesystem::path& file);

    // The value of `key` in `section`, or "" when the section or the key does not exist.
    std::string Read(std::string_view section, std::string_view key) const;

private:
    std::vector<std::string> lines_;  // raw GBK lines without line ends
};

std::string ReadProfile(std::string_view section, std::string_view key,
                        const std::filesystem::path& file);

// Sets `key` in `section`, creating the file, the section and the key as needed; every
// other line keeps its place. Written through a temporary file and a rename, so a failed
// write leaves the file as it was. Returns false on failure (most callers ignore it).
bool WriteProfile(std::string_view section, std::string_view key, std::string_view value,
                  const std::filesystem::path& file);

}  // namespace veltora
