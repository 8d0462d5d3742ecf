#pragma once
// A failure of a JPEG writer: the number and the description the camera window's save
// fallback looks at. Raised as an exception by the writers, because every failure of
// theirs aborts the whole save and the caller reacts only to "it failed".
#include <stdexcept>
#include <string>

namespace veltora {

class JpegError : public std::runtime_error {
public:
    JpegError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }
    std::string Description() const { return what(); }

private:
    int number_;
};

// The numbers in use.
inline constexpr int kJpegErrorInvalid = 1;        // bad argument or table
inline constexpr int kJpegErrorSystemEncoder = 5;  // the system encoder failed
inline constexpr int kJpegErrorOverflow = 6;       // a comment character without a single-byte code
inline constexpr int kJpegErrorFileAccess = 75;    // the finished file could not be written

}  // namespace veltora
