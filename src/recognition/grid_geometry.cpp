// Corners, orientation and the grid lines along the four sides of the frame.
#include "recognition/grid_geometry.h"

#include <algorithm>

#include "app/rounding.h"
#include "recognition/recogniser.h"
#include "recognition/spacing_law.h"

namespace veltora {

std::optional<Corner> IntersectLines(const LineRecord& p, const LineRecord& q) {
    const double d = p.a - q.a;
    if (d == 0) return Corner{0, 0, false};
    const std::optional<std::int16_t> x = NearestInt16((q.b - p.b) / d);
    const std::optional<std::int16_t> y = NearestInt16((q.a * p.b - q.b * p.a) / (-d));
    if (!x || !y) return std::nullopt;
    return Corner{*x, *y, true};
}

bool Recogniser::LocateCorners() {
    const auto cross = [this](int first, int second) {
        const std::optional<Corner> c = IntersectLines(BorderLine(first), BorderLine(second));
        if (!c) valueOutOfRange_ = true;
        return c.value_or(Corner{});
    };
    cornerTL_ = cross(1, 5);
    cornerTR_ = cross(3, 6);
    cornerBL_ = cross(2, 7);
    cornerBR_ = cross(4, 8);
    const int w = imageWidth_, h = imageHeight_;
    return !valueOutOfRange_ &&
           cornerTL_.x >= 1 && cornerTL_.y >= 1 &&
           cornerTR_.x < w && cornerTR_.y >= 1 &&
           cornerBL_.y < h && cornerBL_.x >= 1 &&
           cornerBR_.x < w && cornerBR_.y < h;
}

bool Recogniser::SideMidPoints() {
    const auto xOnLine = [this](double y, const LineRecord& line) { return Nearest16((y - line.b) / line.a); };
    const auto yOnLine = [this](double x, const LineRecord& line) { return Nearest16(x * line.a + line.b); };

    ProbeResult& left = coarsePoints_[Index(Side::kLeft)];
    left.y = Nearest16((cornerTL_.y + cornerBL_.y) / 2.0);
    left.x = xOnLine(left.y, BorderLine(1));
    ProbeResult& right = coarsePoints_[Index(Side::kRight)];
    right.y = Nearest16((cornerTR_.y + cornerBR_.y) / 2.0);
    right.x = xOnLine(right.y, BorderLine(3));
    ProbeResult& top = coarsePoints_[Index(Side::kTop)];
    top.x = Nearest16((cornerTL_.x + cornerTR_.x) / 2.0);
    top.y = yOnLine(top.x, BorderLine(5));
    ProbeResult& bottom = coarsePoints_[Index(Side::kBottom)];
    bottom.x = Nearest16((cornerBL_.x + cornerBR_.x) / 2.0);
    bottom.y = yOnLine(bottom.x, BorderLine(7));
    for (ProbeResult& point : coarsePoints_) point.found = true;
    return true;
}

bool Recogniser::DetectOrientation() {
    // Eight samples along the corner's diagonal inside the frame minus the eight mirrored
    // samples outside: the mark makes its corner's sum the smallest.
    const int s = sampleStep_;
    const auto darkInside = [&](const Corner& k, int vx, int vy) {
        int sum = 0;
        for (int i = s; i <= 8 * s; i += s) sum += GreyAt(k.x + i * vx, k.y + i * vy) - GreyAt(k.x - i * vx, k.y - i * vy);
        return sum;
    };
    struct Candidate {
        int sum;
        std::int16_t orientation;
    };
    const std::array<Candidate, 4> candidates{{
        {darkInside(cornerTL_, 1, 1), kMarkTopLeft},
        {darkInside(cornerBR_, -1, -1), kMarkBottomRight},
        {darkInside(cornerTR_, -1, 1), kMarkTopRight},
        {darkInside(cornerBL_, 1, -1), kMarkBottomLeft},
    }};
    for (const Candidate& c : candidates) {
        const bool strictlySmallest = std::all_of(candidates.begin(), candidates.end(), [&](const Candidate& other) {
            return &other == &c || c.sum < other.sum;
        });
        // A tie keeps the orientation of the previous sheet.
        if (strictlySmallest) orientation_ = c.orientation;
    }
    return true;
}

namespace {

// The range of grid-line indices placed along a side: head rows continue the grid outside
// the frame on the side where the sheet's top lies.
struct LineRange {
    int first, last;
};

LineRange LinesAlong(Side side, std::int16_t orientation, int cells, const TemplateModel& model) {
    const int columns = model.cardColumns, rows = model.cardRows, head = model.cardHeadRows;
    const bool vertical = side == Side::kLeft || side == Side::kRight;
    switch (orientation) {
        case kMarkTopLeft: return vertical ? LineRange{0, columns} : LineRange{-head, rows};
        case kMarkBottomRight: return vertical ? LineRange{0, columns} : LineRange{0, head + rows};
        case kMarkTopRight: return vertical ? LineRange{-head, rows} : LineRange{0, columns};
        case kMarkBottomLeft: return vertical ? LineRange{0, head + rows} : LineRange{0, columns};
        default: return {0, cells};
    }
}

}  // namespace

bool Recogniser::ComputeSidePoints(Side side, const TemplateModel& model) {
    const bool vertical = side == Side::kLeft || side == Side::kRight;
    const bool turned = orientation_ <= kMarkBottomRight;  // a quarter turn either way
    const int cells = vertical == turned ? model.cardColumns : model.cardRows;

    const Corner& first = side == Side::kRight ? cornerTR_ : side == Side::kBottom ? cornerBL_ : cornerTL_;
    const Corner& last = side == Side::kLeft ? cornerBL_ : side == Side::kTop ? cornerTR_ : cornerBR_;
    const ProbeResult& leftMid = CoarsePoint(Side::kLeft);
    const ProbeResult& rightMid = CoarsePoint(Side::kRight);
    const ProbeResult& topMid = CoarsePoint(Side::kTop);
    const ProbeResult& bottomMid = CoarsePoint(Side::kBottom);
    const double length = vertical ? last.y - first.y : last.x - first.x;
    const double start = vertical ? first.y : first.x;
    const double e0 = vertical ? cornerTR_.x - cornerTL_.x : cornerBL_.y - cornerTL_.y;
    const double em = vertical ? rightMid.x - leftMid.x : bottomMid.y - topMid.y;
    const double e1 = vertical ? cornerBR_.x - cornerBL_.x : cornerBR_.y - cornerTR_.y;
    const std::optional<SpacingLaw> law = MakeSpacingLaw(length, e0, em, e1, cells);
    if (!law) return false;

    const int upperHalf = side == Side::kLeft ? 1 : side == Side::kRight ? 3 : side == Side::kTop ? 5 : 7;
    const LineRange range = LinesAlong(side, orientation_, cells, model);
    if (!SidePointArray::Contains(range.first) || !SidePointArray::Contains(range.last)) return false;
    SidePointArray& points = sidePoints_[Index(side)];
    for (int i = range.first; i <= range.last; ++i) {
        const std::optional<std::int16_t> t = GridLinePosition(*law, start, i);
        if (!t) {
            valueOutOfRange_ = true;
            return false;
        }
        const LineRecord& line = BorderLine(i <= law->h ? upperHalf : upperHalf + 1);
        SidePoint& point = points[i];
        point.set = true;
        if (vertical) {
            point.y = *t;
            point.x = Nearest16((point.y - line.b) / line.a);
        } else {
            point.x = *t;
            point.y = Nearest16(point.x * line.a + line.b);
        }
    }
    return !valueOutOfRange_;
}

}  // namespace veltora
