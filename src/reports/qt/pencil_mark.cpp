#include "reports/qt/pencil_mark.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltora {
namespace {

constexpr int kOutlinePoints = 28;
constexpr int kStrokes = 7;
constexpr double kOutlineWobble = 0.06;  // relative radius change along the outline
constexpr double kCentreWobble = 0.04;   // centre shift, share of the bubble size

}  // namespace

double PencilMarker::Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
}

void PencilMarker::Fill(QPainter& painter, QPointF centre, QSizeF size, double share) {
    const double scale = std::sqrt(std::clamp(share, 0.0, 1.0));
    if (scale <= 0) return;
    // A mark smaller than the bubble is pushed towards one side of it.
    const double direction = Uniform(0, 2 * std::numbers::pi);
    const double push = (1 - scale) * 0.8;
    const double wobbleX = Uniform(-1, 1) * kCentreWobble;  // drawn one by one: a fixed order
    const double wobbleY = Uniform(-1, 1) * kCentreWobble;
    const QPointF markCentre(centre.x() + size.width() / 2 * (push * std::cos(direction) + wobbleX),
                             centre.y() + size.height() / 2 * (push * std::sin(direction) + wobbleY));
    const double radiusX = size.width() / 2 * scale;
    const double radiusY = size.height() / 2 * scale;

    QPainterPath outline;
    const double phase = Uniform(0, 2 * std::numbers::pi);
    for (int i = 0; i < kOutlinePoints; ++i) {
        const double angle = phase + 2 * std::numbers::pi * i / kOutlinePoints;
        const double wobble = 1 + kOutlineWobble * Uniform(-1, 1);
        const QPointF point(markCentre.x() + radiusX * wobble * std::cos(angle),
                            markCentre.y() + radiusY * wobble * std::sin(angle));
        if (i == 0) outline.moveTo(point);
        else outline.lineTo(point);
    }
    outline.closeSubpath();

    painter.save();
    const int grey = static_cast<int>(std::lround(Uniform(40, 70)));
    painter.fillPath(outline, QColor(grey, grey, grey));
    // Strokes of a slightly different darkness give the graphite its streaks.
    painter.setClipPath(outline);
    const double slant = Uniform(-0.6, 0.6);
    for (int i = 0; i < kStrokes; ++i) {
        const double offset = radiusY * (2.0 * i / (kStrokes - 1) - 1);
        const int streak = std::clamp(grey + static_cast<int>(std::lround(Uniform(-18, 18))), 25, 95);
        painter.setPen(QPen(QColor(streak, streak, streak), radiusY * Uniform(0.12, 0.25), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(markCentre.x() - radiusX * 1.2, markCentre.y() + offset - slant * radiusX),
                         QPointF(markCentre.x() + radiusX * 1.2, markCentre.y() + offset + slant * radiusX));
    }
    painter.restore();
}

}  // namespace veltora
