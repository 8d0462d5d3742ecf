#include "recognition/line_fit.h"

#include <algorithm>
#include <cmath>

namespace veltora {
namespace {

struct HalfMeans {
    double x1 = 0, y1 = 0;  // valid entries 1..mid
    double x2 = 0, y2 = 0;  // valid entries mid..n (mid counts in both halves)
};

int LastIndex(std::span<const ProbeResult> samples, int n) {
    return std::min(n, static_cast<int>(samples.size()) - 1);
}

int CountValid(std::span<const ProbeResult> samples, int n) {
    int count = 0;
    for (int i = 1; i <= LastIndex(samples, n); ++i) count += samples[i].found ? 1 : 0;
    return count;
}

// Precondition: at least 2 valid entries, so that the middle one exists.
HalfMeans MeansOfHalves(std::span<const ProbeResult> samples, int n, int count) {
    const int last = LastIndex(samples, n);
    int mid = 0;
    for (int i = 1, seen = 0; i <= last; ++i) {
        if (samples[i].found && ++seen == count / 2) {
            mid = i;
            break;
        }
    }
    double sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;
    int n1 = 0, n2 = 0;
    for (int i = 1; i <= last; ++i) {
        if (!samples[i].found) continue;
        if (i <= mid) {
            sx1 += samples[i].x;
            sy1 += samples[i].y;
            ++n1;
        }
        if (i >= mid) {
            sx2 += samples[i].x;
            sy2 += samples[i].y;
            ++n2;
        }
    }
    return {sx1 / n1, sy1 / n1, sx2 / n2, sy2 / n2};
}

// Slope through the two means; a vertical pair divides by 1e-10 instead of 0.
double SlopeOf(const HalfMeans& m) {
    const double dx = m.x1 - m.x2;
    return std::abs(dx) > 1e-10 ? (m.y1 - m.y2) / dx : (m.y1 - m.y2) / 1e-10;
}

}  // namespace

bool RejectOutliers(std::span<ProbeResult> samples, int n) {
    const int count = CountValid(samples, n);
    if (count < 6) return false;
    const HalfMeans means = MeansOfHalves(samples, n, count);
    double a = SlopeOf(means);
    if (std::abs(a) < 1e-11) a = 1e-11;
    const double b = means.y1 - a * means.x1;

    const int last = LastIndex(samples, n);
    const auto residual = [&](const ProbeResult& p) {
        return std::abs(p.y - a * p.x - b) + std::abs(p.x - (p.y - b) / a);
    };
    double sum = 0;
    for (int i = 1; i <= last; ++i)
        if (samples[i].found) sum += residual(samples[i]);
    double m = sum / count;
    if (m < 3) m = 3;
    for (int i = 1; i <= last; ++i)
        if (samples[i].found && residual(samples[i]) > 2 * m) samples[i].found = false;
    return true;
}

LineRecord FitHalfLine(std::span<const ProbeResult> samples, int n) {
    const int count = CountValid(samples, n);
    if (count < 3) return {0.0, 0.0, false};
    const HalfMeans means = MeansOfHalves(samples, n, count);
    double a = SlopeOf(means);
    double b = means.y1 - a * means.x1;
    if (a == 0) a = 1e-10;
    if (b == 0) b = 1e-10;
    return {a, b, true};
}

}  // namespace veltora
