#pragma once
// Decoding the images of a batch ahead of the sheet being recognised. Worker threads
// decode the files in list order into a bounded window, and the marking loop takes them
// strictly in that order, so results are exactly those of decoding one file after another
// while at most `jobs` images wait decoded (or are being decoded) at any time: the memory
// a batch needs does not grow with its length.
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "recognition/raster.h"

namespace veltora {

// One file's decoding: the image, or nothing with the reason.
struct DecodedImage {
    std::optional<Raster> image;
    std::string error;
};

using ImageDecoder = std::function<DecodedImage(const std::filesystem::path&)>;

// Decodes with LoadImageFile (JPEG, BMP, PNG by their first bytes).
DecodedImage DecodeImageFile(const std::filesystem::path& file);

inline constexpr int kMaxDecodeJobs = 16;

class ImagePrefetcher {
public:
    // Starts `jobs` (clamped to 1..kMaxDecodeJobs) worker threads on `files`.
    ImagePrefetcher(std::vector<std::filesystem::path> files, int jobs,
                    ImageDecoder decode = DecodeImageFile);
    // Stops the workers: a decode under way is finished and dropped.
    ~ImagePrefetcher();
    ImagePrefetcher(const ImagePrefetcher&) = delete;
    ImagePrefetcher& operator=(const ImagePrefetcher&) = delete;

    // The next file's decoding, in list order; waits for it when needed. Precondition:
    // fewer calls than files so far.
    DecodedImage Next();

    // The most images that were being decoded or waited decoded at one time (at most jobs).
    std::size_t PeakAhead() const;

private:
    void Work();

    const std::vector<std::filesystem::path> files_;
    const std::size_t window_;
    const ImageDecoder decode_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t claimed_ = 0;  // files handed to a worker
    std::size_t taken_ = 0;    // files handed to the caller
    std::size_t peakAhead_ = 0;
    bool stopping_ = false;
    std::map<std::size_t, DecodedImage> ready_;
    std::vector<std::jthread> workers_;
};

}  // namespace veltora
