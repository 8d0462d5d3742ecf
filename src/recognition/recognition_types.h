#pragma once
// Small value types shared by the recognition stages. Coordinates are 16-bit, as in the
// data model; intermediate arithmetic is done wider and checked when stored.
#include <array>
#include <cstdint>

namespace veltora {

struct Point16 {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// A point found (or not) by a search.
struct ProbeResult {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool found = false;
};

// The line y = a·x + b; near-vertical lines have a very large a.
struct LineRecord {
    double a = 0.0;
    double b = 0.0;
    bool ok = false;
};

// A frame corner, or the crossing of two lines.
struct Corner {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool ok = false;
};

// One end of a grid line on a side of the frame.
struct SidePoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool set = false;
};

enum class Side { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };
inline constexpr std::array<Side, 4> kAllSides{Side::kLeft, Side::kRight, Side::kTop, Side::kBottom};

// Grid-line ends along one side, indexed -20..101 (head rows continue the grid outside the
// frame; the far end of a grid of 101 lines is line 101).
class SidePointArray {
public:
    static constexpr int kFirst = -20;
    static constexpr int kLast = 101;
    static constexpr bool Contains(int i) { return i >= kFirst && i <= kLast; }

    // Precondition: Contains(i).
    const SidePoint& operator[](int i) const { return points_[static_cast<std::size_t>(i - kFirst)]; }
    SidePoint& operator[](int i) { return points_[static_cast<std::size_t>(i - kFirst)]; }

private:
    std::array<SidePoint, kLast - kFirst + 1> points_{};
};

// How the sheet lies, named by the corner that carries the orientation mark.
inline constexpr std::int16_t kOrientationUnknown = 0;
inline constexpr std::int16_t kMarkTopLeft = 1;      // quarter turn anticlockwise
inline constexpr std::int16_t kMarkBottomRight = 2;  // quarter turn clockwise
inline constexpr std::int16_t kMarkTopRight = 3;     // upright
inline constexpr std::int16_t kMarkBottomLeft = 4;   // upside down

}  // namespace veltora
