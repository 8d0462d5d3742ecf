#pragma once
// Replacing a file as a whole: the new content goes to a temporary file in the same folder
// which is then renamed over the old one, so a crash or a full disk never leaves a
// half-written file behind.
#include <filesystem>
#include <string_view>

namespace veltora {

// Writes `bytes` as the new content of `file` (created when missing; an existing file keeps
// its permissions, a symbolic link keeps pointing at the replaced file). Returns false
// and leaves `file` as it was when anything fails.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace veltora
