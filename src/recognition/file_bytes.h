#pragma once
// Whole-file reads and crash-safe whole-file writes for binary data (images, frames).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace veltora {

// The bytes of `file`, or nothing (with `error` set) when it cannot be read or is larger
// than `maxBytes`.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& file,
                                                       std::uintmax_t maxBytes, std::string* error = nullptr);

// Writes `bytes` to a temporary file in the target's folder and renames it over `file`,
// so the target is either the old file or the complete new one. `replace` false refuses
// (returns false) when `file` already exists; the check and the rename are one step.
bool WriteFileBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                    bool replace = true, std::string* error = nullptr);

}  // namespace veltora
