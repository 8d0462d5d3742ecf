#pragma once
// A word-processing document package (.docx/.dotx, a zip of XML parts) held in memory.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltora {

class WordPackage {
public:
    // Templates are a few kilobytes; anything this large is not one of ours.
    static constexpr std::uint64_t kMaxPackageBytes = 32u << 20;

    // Nothing when the file is missing, unreadable, not a zip or too large.
    static std::optional<WordPackage> Load(const std::filesystem::path& file);

    // The part stored under `name`, or nullptr.
    std::string* Part(std::string_view name);
    // The main document part named by the package relationships ("word/document.xml").
    std::string MainPartName() const;
    // Gives the main part the content type of a document instead of a template, so the
    // result opens as a new document. False when the content types cannot be read.
    bool MakeDocument();
    // Writes the package as a zip at `file` ("[Content_Types].xml" first). False on failure.
    bool Save(const std::filesystem::path& file) const;

private:
    std::vector<std::pair<std::string, std::string>> parts_;  // name, bytes; stored order
};

}  // namespace veltora
