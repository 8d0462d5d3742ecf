// Finding the printed frame: a coarse walk out from the centre finds one point of each
// side, a fine pass samples each side along its length and fits its two halves.
#include <cmath>

#include "recognition/line_fit.h"
#include "recognition/recogniser.h"

namespace veltora {
namespace {

// Per side: the outward unit direction (walks and probes go this way; found points are
// recorded one sample step further), the direction the follower moves along the side, and
// the signs of the along/back-off steps of the two fine runs in units of
// (CoarseWidth / 60, CoarseHeight / 60).
struct SideWalk {
    int outX, outY;
    int alongX, alongY;
    int run1X, run1Y;
    int run2X, run2Y;
    bool horizontalWalk;  // left and right walk along x, top and bottom along y
    int firstLine;        // BorderLines record of the first half; the second is next
};

constexpr SideWalk kSideWalks[] = {
    /* left   */ {-1, 0, 0, 1, +1, -1, +1, +1, true, 1},
    /* right  */ {+1, 0, 0, -1, -1, -1, -1, +1, true, 3},
    /* top    */ {0, -1, 1, 0, -1, +1, +1, +1, false, 5},
    /* bottom */ {0, +1, -1, 0, -1, -1, +1, -1, false, 7},
};

constexpr const SideWalk& WalkOf(Side side) { return kSideWalks[static_cast<int>(side)]; }

constexpr int kFollowRepeats = 30;
constexpr int kFineSamples = 30;
constexpr int kFineTries = 11;

}  // namespace

bool Recogniser::DetectBorder() {
    const int w = imageWidth_, h = imageHeight_;
    maxAngleDifference_ = 47.12385 / 180;
    maxCrossingOffset_ = w / 100.0;
    startPoint_ = {Nearest16(w / 2.0), Nearest16(h / 2.0)};

    for (const Side side : kAllSides) {
        coarsePoints_[Index(side)] = CoarseFind(side, startPoint_);
        if (!coarsePoints_[Index(side)].found) return Fail(RecognitionStage::kCoarseBorder, side);
    }
    const ProbeResult& left = CoarsePoint(Side::kLeft);
    const ProbeResult& right = CoarsePoint(Side::kRight);
    const ProbeResult& top = CoarsePoint(Side::kTop);
    const ProbeResult& bottom = CoarsePoint(Side::kBottom);
    coarseWidth_ = right.x - left.x;
    coarseHeight_ = bottom.y - top.y;
    startPoint_ = {Nearest16((left.x + right.x) / 2.0), Nearest16((top.y + bottom.y) / 2.0)};

    // Each failed try moves the start point a little further; the moves accumulate over
    // the tries and carry on to the next side.
    for (const Side side : kAllSides) {
        const int sign = side == Side::kLeft || side == Side::kTop ? 1 : -1;
        bool accepted = false;
        for (int i = 0; i < kFineTries && !accepted; ++i) {
            startPoint_ = {Store16(startPoint_.x + sign * i), Store16(startPoint_.y + sign * i)};
            accepted = FineFind(side, startPoint_);
        }
        if (!accepted) return Fail(RecognitionStage::kFineBorder, side);
    }
    return true;
}

ProbeResult Recogniser::CoarseFind(Side side, Point16 from) {
    const SideWalk& walk = WalkOf(side);
    const int s = sampleStep_;
    const int limit = walk.horizontalWalk ? imageWidth_ : imageHeight_;
    const int n = Store16(static_cast<long long>(std::floor(limit / 2.0 / s)));
    const int backOff = Store16(static_cast<long long>(std::floor(imageWidth_ / 70.0)));
    // Without a single step the walk could not advance.
    if (n < 1) return {};

    const auto tested = [&](const Point16& p) { return walk.horizontalWalk ? p.x : p.y; };
    Point16 q = from;
    while (tested(q) > 0 && tested(q) < limit && !valueOutOfRange_) {
        const ProbeResult r = EdgeProbe(q, walk.outX * s, walk.outY * s, n);
        q = {r.x, r.y};
        if (!r.found || tested(q) <= 1) continue;
        const ProbeResult f = FollowEdge(q, walk.alongX * s, walk.alongY * s, kFollowRepeats,
                                         -walk.outX * backOff, -walk.outY * backOff);
        if (f.found) return {q.x, q.y, true};
    }
    return {};
}

bool Recogniser::FineFind(Side side, Point16 from) {
    const ProbeResult e = CoarseFind(side, from);
    if (!e.found) return false;

    const SideWalk& walk = WalkOf(side);
    const int s = sampleStep_;
    const double stepX = coarseWidth_ / 60;
    const double stepY = coarseHeight_ / 60;
    const auto sampleRun = [&](int signX, int signY) {
        std::array<ProbeResult, kFineSamples + 1> samples{};
        samples[0] = e;
        Point16 q{e.x, e.y};
        for (int j = 1; j <= kFineSamples; ++j) {
            q.x = Nearest16(q.x + signX * stepX);
            q.y = Nearest16(q.y + signY * stepY);
            const ProbeResult r = EdgeProbe(q, walk.outX * s, walk.outY * s, 20 * s);
            if (r.found) {
                q = {r.x, r.y};
                samples[j] = {Store16(q.x + walk.outX * s), Store16(q.y + walk.outY * s), true};
            } else {
                // Back to the last recorded sample; after two misses in a row that is the
                // empty entry (0, 0).
                q = {samples[j - 1].x, samples[j - 1].y};
            }
        }
        return samples;
    };
    std::array<ProbeResult, kFineSamples + 1> run1 = sampleRun(walk.run1X, walk.run1Y);
    std::array<ProbeResult, kFineSamples + 1> run2 = sampleRun(walk.run2X, walk.run2Y);
    if (!RejectOutliers(run1, kFineSamples) || !RejectOutliers(run2, kFineSamples)) return false;

    LineRecord& l1 = borderLines_[static_cast<std::size_t>(walk.firstLine)];
    LineRecord& l2 = borderLines_[static_cast<std::size_t>(walk.firstLine + 1)];
    l1 = FitHalfLine(run1, kFineSamples);
    if (!l1.ok) return false;
    l2 = FitHalfLine(run2, kFineSamples);
    if (!l2.ok) return false;

    // The two halves must agree in angle and cross the middle of the image close together;
    // a difference equal to its limit passes.
    if (std::abs(std::abs(std::atan(l2.a)) - std::abs(std::atan(l1.a))) > maxAngleDifference_) return false;
    const double w = imageWidth_, h = imageHeight_;
    double crossingGap = 0;
    if (walk.horizontalWalk) {
        const double x1 = (h / 2 - l1.b) / l1.a;
        const double x2 = (h / 2 - l2.b) / l2.a;
        crossingGap = std::abs(x1 - x2);
    } else {
        crossingGap = std::abs((l1.a - l2.a) * w / 2 + l1.b - l2.b);
    }
    return !(crossingGap > maxCrossingOffset_);
}

}  // namespace veltora
