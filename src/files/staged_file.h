#pragma once
// A file written in full beside its target and renamed over it only when asked, so that
// several files can be written first and replaced together once all of them succeeded
// (single files use WriteFileAtomically).
#include <filesystem>
#include <functional>
#include <string_view>

namespace veltora {

class StagedFile {
public:
    // Creates a hidden temporary file in the target's folder; Ok() tells whether it could.
    explicit StagedFile(std::filesystem::path target);
    ~StagedFile();  // removes the temporary file unless it was committed
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // False once any write has failed.
    bool Ok() const { return fd_ >= 0 && ok_; }
    void Write(std::string_view bytes);
    // Flushes the data to disk and closes the file; false if anything failed so far.
    bool Finish();
    // Finishes the file by letting `writeFile` write it as a whole at the temporary path,
    // for content that has its own writer (a profile).
    bool FinishWith(const std::function<bool(const std::filesystem::path&)>& writeFile);
    // Renames the finished file over the target; false when not finished or on failure.
    bool Commit();

    const std::filesystem::path& Target() const { return target_; }

private:
    bool KeepTargetPermissions();

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool ok_ = true;
    bool finished_ = false;
    bool committed_ = false;
};

}  // namespace veltora
