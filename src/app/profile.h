#pragma once
// INI profile files: GBK with CR LF on disk, UTF-8 in memory.
// - "[name]" starts a section (blanks around the brackets and the name are ignored); a
//   line "key = value" is an entry (blanks around the key are ignored); other lines, and
//   entries above the first section, are kept but never found.
// - Section and key names match without regard to ASCII letter case (the halves of GBK
//   characters are compared as they are); the first matching section and, within it, the
//   first matching key win.
// - The value is the text after the first "=", up to a NUL byte, without leading and
//   trailing blanks and tabs, losing one matching pair of enclosing double or single
//   quotes, then cut after its 255th byte as stored on disk; a GBK character that the cut
//   would split is dropped whole. Bytes that are not GBK read as U+FFFD.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace veltora {

// A profile file read once, for loaders that look up many keys (templates, papers).
class ProfileFile {
public:
    // Files above this size are not profiles; they read as unreadable.
    static constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

    ProfileFile() = default;
    // A missing or unreadable file reads as empty.
    explicit ProfileFile(const std::filesystem::path& file);
    // An empty profile for a missing file; nothing when the file exists but cannot be read,
    // so that writing it back can never wipe out a file that was merely unreadable.
    static std::optional<ProfileFile> Load(const std::filesystem::path& file);

    // The value of `key` in `section`, or "" when the section or the key does not exist.
    std::string Read(std::string_view section, std::string_view key) const;

    // Sets `key` in `section` in memory, by the rules of WriteProfile. Returns false, and
    // changes nothing, for a name that cannot be stored (empty, holding a line break, a key
    // holding "=" or starting with "[", a section holding "]").
    bool Write(std::string_view section, std::string_view key, std::string_view value);
    // The whole profile as a file (GBK, CR LF), written through a temporary file.
    bool Save(const std::filesystem::path& file) const;

private:
    struct Section {
        std::optional<std::string> header;  // raw "[name]" line; none for lines before any section
        std::vector<std::string> lines;     // raw GBK lines below the header, without line ends
        std::unordered_map<std::string, std::size_t> keys;  // folded key -> first line holding it
    };
    void Append(std::string line);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
};

std::string ReadProfile(std::string_view section, std::string_view key,
                        const std::filesystem::path& file);

// Sets `key` in `section`, creating the file, the section and the key as needed; every
// other line keeps its place and its bytes, every line ends in CR LF. Line breaks in
// `value` become blanks. Written through a temporary file and a rename, so a failed write
// leaves the file as it was. Returns false on failure (most callers ignore it).
bool WriteProfile(std::string_view section, std::string_view key, std::string_view value,
                  const std::filesystem::path& file);

}  // namespace veltora
