#pragma once
// A private copy of the assembled program folder for one test, removed afterwards, so
// tests never touch the shipped data or each other's files.
#include <filesystem>
#include <string>
#include <string_view>

namespace veltora::test {

class TempHome {
public:
    // Copies the assembled program folder (VELTORA_TEST_HOME) when `withData` is true,
    // otherwise starts from an empty folder.
    explicit TempHome(bool withData = true);
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return path_ / relative; }

private:
    std::filesystem::path path_;
};

// The assembled program folder of the build (read only for tests).
std::filesystem::path AssembledHome();

// Writes `bytes` to `file` as they are (no conversion), creating parent folders.
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace veltora::test
