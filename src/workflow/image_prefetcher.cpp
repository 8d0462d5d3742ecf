#include "workflow/image_prefetcher.h"

#include <algorithm>

#include "recognition/image_file.h"

namespace veltora {

DecodedImage DecodeImageFile(const std::filesystem::path& file) {
    DecodedImage decoded;
    decoded.image = LoadImageFile(file, &decoded.error);
    return decoded;
}

ImagePrefetcher::ImagePrefetcher(std::vector<std::filesystem::path> files, int jobs, ImageDecoder decode)
    : files_(std::move(files)),
      window_(static_cast<std::size_t>(std::clamp(jobs, 1, kMaxDecodeJobs))),
      decode_(std::move(decode)) {
    const std::size_t threads = std::min(window_, files_.size());
    workers_.reserve(threads);
    for (std::size_t i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
}

ImagePrefetcher::~ImagePrefetcher() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    workers_.clear();  // joins
}

void ImagePrefetcher::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        // A file may be started only while fewer than window_ images are ahead of the
        // caller, so finished images never pile up behind a slow sheet.
        changed_.wait(lock, [this] {
            return stopping_ || claimed_ >= files_.size() || claimed_ < taken_ + window_;
        });
        if (stopping_ || claimed_ >= files_.size()) return;
        const std::size_t index = claimed_++;
        peakAhead_ = std::max(peakAhead_, claimed_ - taken_);
        lock.unlock();
        DecodedImage decoded = decode_(files_[index]);
        lock.lock();
        ready_.emplace(index, std::move(decoded));
        changed_.notify_all();
    }
}

DecodedImage ImagePrefetcher::Next() {
    std::unique_lock lock(mutex_);
    const std::size_t index = taken_;
    if (index >= files_.size()) return {std::nullopt, "no more images in this batch"};
    changed_.wait(lock, [&] { return ready_.count(index) > 0; });
    auto node = ready_.extract(index);
    ++taken_;
    lock.unlock();
    changed_.notify_all();
    return std::move(node.mapped());
}

std::size_t ImagePrefetcher::PeakAhead() const {
    const std::lock_guard lock(mutex_);
    return peakAhead_;
}

}  // namespace veltora
