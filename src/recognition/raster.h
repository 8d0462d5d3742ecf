#pragma once
// The sheet image as recognition sees it: natural size, 0x00BBGGRR pixels, fast random
// access to single pixels. Sides are limited to the 16-bit coordinates of the data model.
#include <cstdint>
#include <vector>

namespace veltora {

inline constexpr int kMaxImageSide = 32767;

class Raster {
public:
    Raster() = default;
    // Precondition: 0 <= width, height <= kMaxImageSide (decoders refuse larger images).
    Raster(int width, int height, std::uint32_t fill = 0x00FFFFFF);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }

    // The colour 0x00BBGGRR of (x, y), or -1 (all bits set) outside the image.
    std::int32_t ColourAt(int x, int y) const {
        // One unsigned comparison per axis also catches negative coordinates.
        if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
            static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
            return -1;
        return static_cast<std::int32_t>(pixels_[static_cast<std::size_t>(y) * width_ + x]);
    }
    void SetPixel(int x, int y, std::uint32_t colour) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            pixels_[static_cast<std::size_t>(y) * width_ + x] = colour & 0x00FFFFFFu;
    }
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace veltora
