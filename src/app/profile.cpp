#include "app/profile.h"

#include <algorithm>
#include <fstream>

#include "app/atomic_file.h"
#include "app/encoding.h"

namespace veltora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxValueBytes = 255;

// Every function below works on raw GBK bytes. The second byte of a GBK character can
// look like an ASCII letter or bracket, so bytes are taken a character at a time.
bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

std::size_t CharacterLength(std::string_view text, std::size_t at) {
    return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

std::size_t Find(std::string_view text, char wanted) {
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) {
        if (text[at] == wanted) return at;
    }
    return std::string_view::npos;
}

// Blanks and tabs, and a stray CR that a doubled line end ("\r\r\n") leaves behind.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The name as compared: ASCII letters in lower case, GBK characters unchanged.
std::string Fold(std::string_view name) {
    std::string folded(name);
    for (std::size_t at = 0; at < folded.size(); at += CharacterLength(folded, at)) {
        if (folded[at] >= 'A' && folded[at] <= 'Z') folded[at] = static_cast<char>(folded[at] - 'A' + 'a');
    }
    return folded;
}

std::string FoldedName(std::string_view utf8Name) { return Fold(Trim(Utf8ToGbk(utf8Name))); }

// At most `limit` bytes of `text`, never ending in the first half of a GBK character.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t limit) {
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next = length + CharacterLength(text, length);
        if (next > limit) break;
        length = next;
    }
    return text.substr(0, length);
}

enum class LineKind { Other, Section, Entry };

struct Line {
    LineKind kind = LineKind::Other;
    std::string_view name;   // trimmed section or key name
    std::size_t valueAt = 0; // offset of the text after "=" in the line
};

// "[name]" (blanks allowed around the brackets and the name, a missing "]" closes at the
// end of the line), "key = value", or anything else, which is kept but never matches.
Line Parse(std::string_view line) {
    const std::string_view content = Trim(line);
    if (!content.empty() && content.front() == '[') {
        const std::string_view inner = content.substr(1);
        return {LineKind::Section, Trim(inner.substr(0, Find(inner, ']'))), 0};
    }
    const std::size_t equals = Find(line, '=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::Entry, Trim(line.substr(0, equals)), equals + 1};
}

// The value of an entry line as stored, before decoding: up to a NUL byte, trimmed, one
// pair of matching enclosing quotes removed, at most 255 bytes of whole characters.
std::string_view ValueOf(std::string_view line, std::size_t valueAt) {
    std::string_view value = line.substr(valueAt);
    value = Trim(value.substr(0, value.find('\0')));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return CutToWholeCharacters(value, kMaxValueBytes);
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string StorableValue(std::string_view utf8Value) {
    std::string value = Utf8ToGbk(utf8Value);
    std::replace_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return value;
}

}  // namespace

ProfileFile::ProfileFile(const fs::path& file) : ProfileFile(Load(file).value_or(ProfileFile())) {}

std::optional<ProfileFile> ProfileFile::Load(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) return ProfileFile();
    if (error || status.type() != fs::file_type::regular) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > kMaxFileBytes) return std::nullopt;

    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;

    ProfileFile profile;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        profile.Append(std::string(line));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return profile;
}

void ProfileFile::Append(std::string line) {
    const Line parsed = Parse(line);
    if (parsed.kind == LineKind::Section) {
        sectionIndex_.emplace(Fold(parsed.name), sections_.size());
        sections_.push_back({std::move(line), {}, {}});
        return;
    }
    if (sections_.empty()) sections_.emplace_back();
    Section& section = sections_.back();
    // Entries above the first section line belong to no section and are never found.
    if (parsed.kind == LineKind::Entry && section.header) section.keys.emplace(Fold(parsed.name), section.lines.size());
    section.lines.push_back(std::move(line));
}

std::string ProfileFile::Read(std::string_view section, std::string_view key) const {
    const auto found = sectionIndex_.find(FoldedName(section));
    if (found == sectionIndex_.end()) return {};
    const Section& entries = sections_[found->second];
    const auto entry = entries.keys.find(FoldedName(key));
    if (entry == entries.keys.end()) return {};
    const std::string_view line = entries.lines[entry->second];
    return GbkToUtf8(ValueOf(line, Parse(line).valueAt));
}

bool ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName(Trim(Utf8ToGbk(section)));
    const std::string keyName(Trim(Utf8ToGbk(key)));
    if (sectionName.empty() || keyName.empty() || HasLineBreakOrNul(sectionName) || HasLineBreakOrNul(keyName) ||
        Find(sectionName, ']') != std::string::npos || Find(keyName, '=') != std::string::npos ||
        keyName.front() == '[') {
        return false;
    }
    const std::string storedValue = StorableValue(value);

    const auto found = sectionIndex_.find(Fold(sectionName));
    if (found == sectionIndex_.end()) {
        Append("[" + sectionName + "]");
        Append(keyName + "=" + storedValue);
        return true;
    }
    Section& entries = sections_[found->second];
    const auto entry = entries.keys.find(Fold(keyName));
    if (entry != entries.keys.end()) {
        std::string& line = entries.lines[entry->second];
        line = line.substr(0, Parse(line).valueAt) + storedValue;  // the key keeps its spelling
        return true;
    }
    // A new key goes after the section's last non-blank line, so blank lines that separate
    // it from the next section stay where they are (and no indexed line moves).
    const auto lastContent = std::find_if(entries.lines.rbegin(), entries.lines.rend(),
                                          [](const std::string& line) { return !Trim(line).empty(); });
    const auto at = static_cast<std::size_t>(entries.lines.rend() - lastContent);
    entries.lines.insert(entries.lines.begin() + static_cast<std::ptrdiff_t>(at), keyName + "=" + storedValue);
    entries.keys.emplace(Fold(keyName), at);
    return true;
}

bool ProfileFile::Save(const fs::path& file) const {
    std::string bytes;
    for (const Section& section : sections_) {
        if (section.header) bytes += *section.header + "\r\n";
        for (const std::string& line : section.lines) bytes += line + "\r\n";
    }
    return WriteFileAtomically(file, bytes);
}

std::string ReadProfile(std::string_view section, std::string_view key, const fs::path& file) {
    return ProfileFile(file).Read(section, key);
}

bool WriteProfile(std::string_view section, std::string_view key, std::string_view value,
                  const fs::path& file) {
    std::optional<ProfileFile> profile = ProfileFile::Load(file);
    return profile && profile->Write(section, key, value) && profile->Save(file);
}

}  // namespace veltora
