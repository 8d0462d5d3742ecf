#pragma once
// Pencil-like filling of a bubble: graphite grey (about 40..70), a slightly irregular
// outline and a few strokes of varying darkness, as a pupil's mark looks on a scan.
#include <QPainter>

#include <cstdint>
#include <random>

namespace veltora {

class PencilMarker {
public:
    explicit PencilMarker(std::uint32_t seed) : random_(seed) {}

    // Covers `share` (0..1) of the bubble of `size` centred at `centre`; a partial mark sits
    // off-centre, as a hurried pupil leaves it. The same seed and calls draw the same marks.
    void Fill(QPainter& painter, QPointF centre, QSizeF size, double share);

private:
    double Uniform(double low, double high);

    std::mt19937 random_;
};

}  // namespace veltora
