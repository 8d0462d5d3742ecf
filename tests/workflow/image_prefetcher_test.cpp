#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "workflow/image_prefetcher.h"

namespace veltora {
namespace {

// A decoder that records how many decodings overlap and gives each file a raster whose
// width is the number in its name ("fail" names give an error).
class CountingDecoder {
public:
    std::atomic<int> running{0};
    std::atomic<int> peak{0};

    DecodedImage operator()(const std::filesystem::path& file) {
        const int now = ++running;
        for (int seen = peak.load(); now > seen && !peak.compare_exchange_weak(seen, now);) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        --running;
        if (file.string() == "fail") return {std::nullopt, "cannot read"};
        return {Raster(std::stoi(file.string()), 1), ""};
    }
};

std::vector<std::filesystem::path> Files(int count) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i <= count; ++i) files.emplace_back(i == 5 ? "fail" : std::to_string(i));
    return files;
}

TEST(ImagePrefetcher, HandsOutEveryDecodingInListOrder) {
    for (const int jobs : {1, 2, 4}) {
        CountingDecoder decoder;
        ImagePrefetcher prefetcher(Files(12), jobs, [&](const auto& file) { return decoder(file); });
        for (int i = 1; i <= 12; ++i) {
            DecodedImage decoded = prefetcher.Next();
            if (i == 5) {
                EXPECT_FALSE(decoded.image);
                EXPECT_EQ(decoded.error, "cannot read");
            } else {
                ASSERT_TRUE(decoded.image) << "jobs " << jobs << " file " << i;
                EXPECT_EQ(decoded.image->Width(), i);
            }
        }
        EXPECT_FALSE(prefetcher.Next().image) << "nothing past the list";
        EXPECT_LE(decoder.peak.load(), jobs);
    }
}

TEST(ImagePrefetcher, DecodesNoMoreThanItsJobsAheadOfASlowReader) {
    CountingDecoder decoder;
    ImagePrefetcher prefetcher(Files(30), 3, [&](const auto& file) { return decoder(file); });
    for (int i = 0; i < 30; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        prefetcher.Next();
    }
    EXPECT_LE(prefetcher.PeakAhead(), 3u);
    EXPECT_GE(prefetcher.PeakAhead(), 1u);
}

TEST(ImagePrefetcher, StopsCleanlyWithImagesLeftUntaken) {
    CountingDecoder decoder;
    {
        ImagePrefetcher prefetcher(Files(50), 2, [&](const auto& file) { return decoder(file); });
        prefetcher.Next();
    }
    EXPECT_EQ(decoder.running.load(), 0);
}

}  // namespace
}  // namespace veltora
