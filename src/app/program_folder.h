#pragma once
// The program folder and its sub-folders. Stored data spell folder and file names with
// varying letter case, so every path below the program folder is resolved without regard
// to letter case.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace veltora {

// `--home DIR` on the command line, else the VELTORA_HOME environment variable, else the
// folder of the running executable.
std::filesystem::path FindProgramFolder(int argc, const char* const* argv);

// base / relative, where every component of `relative` (separated by '/' or '\') is
// matched against the existing entries without regard to letter case; a component with
// no match keeps its spelling (so the result also names files still to be created).
std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative);

// Ordinary, non-hidden files directly in `folder` (no sub-folders); nothing when the count
// does not fit the 16-bit data model. A missing folder counts 0.
std::optional<std::int16_t> CountFolderEntries(const std::filesystem::path& folder);

}  // namespace veltora
