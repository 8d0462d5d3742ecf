// Measuring the darkness of every template cell of the sheet.
#include <array>
#include <cmath>

#include "recognition/grid_levels.h"
#include "recognition/recogniser.h"

namespace veltora {
namespace {

// Which grid cells are measured and where each is stored, by orientation. Index i counts
// the lines of the left and right sides, j those of the top and bottom sides.
struct CellLoop {
    int iFirst, iLast, jFirst, jLast;
    int (*column)(int i, int j, const TemplateModel& model);
    int (*row)(int i, int j, const TemplateModel& model);
};

CellLoop CellLoopFor(std::int16_t orientation, const TemplateModel& m) {
    const int columns = m.cardColumns, rows = m.cardRows, head = m.cardHeadRows;
    switch (orientation) {
        case kMarkTopLeft:
            return {1, columns, 1 - head, rows,
                    [](int i, int, const TemplateModel& t) { return t.cardColumns - i + 1; },
                    [](int, int j, const TemplateModel&) { return j; }};
        case kMarkBottomRight:
            return {1, columns, 1, head + rows,
                    [](int i, int, const TemplateModel&) { return i; },
                    [](int, int j, const TemplateModel& t) { return t.cardRows - j + 1; }};
        case kMarkTopRight:
            return {1 - head, rows, 1, columns,
                    [](int, int j, const TemplateModel&) { return j; },
                    [](int i, int, const TemplateModel&) { return i; }};
        default:
            return {1, head + rows, 1, columns,
                    [](int, int j, const TemplateModel& t) { return t.cardColumns - j + 1; },
                    [](int i, int, const TemplateModel& t) { return t.cardRows - i + 1; }};
    }
}

}  // namespace

bool Recogniser::ReadMarks(const TemplateModel& model) {
    // Before any sheet has shown its mark there is no way to tell which cell is which.
    if (orientation_ < kMarkTopLeft || orientation_ > kMarkBottomLeft) return false;
    const bool turned = orientation_ < kMarkTopRight;
    cellWidth_ = std::abs(cornerTR_.x - cornerTL_.x) / static_cast<double>(turned ? model.cardRows : model.cardColumns);
    cellHeight_ = std::abs(cornerBL_.y - cornerTL_.y) / static_cast<double>(turned ? model.cardColumns : model.cardRows);
    // A zero-width cell has no window to measure, and a uniform middle row no contrast to
    // refine the centres against.
    if (!(cellWidth_ > 0) || brightestGrey_ == darkestGrey_) return false;

    const CellLoop loop = CellLoopFor(orientation_, model);
    if (!SidePointArray::Contains(loop.iFirst - 1) || !SidePointArray::Contains(loop.iLast) ||
        !SidePointArray::Contains(loop.jFirst - 1) || !SidePointArray::Contains(loop.jLast))
        return false;
    for (int i = loop.iFirst; i <= loop.iLast; ++i) {
        for (int j = loop.jFirst; j <= loop.jLast; ++j) {
            const int column = loop.column(i, j, model), row = loop.row(i, j, model);
            if (!DarknessMatrix::Contains(column, row)) return false;
            MeasureCell(i, j, column, row);
        }
    }
    return !valueOutOfRange_;
}

void Recogniser::MeasureCell(int i, int j, int column, int row) {
    const SidePointArray& left = SidePoints(Side::kLeft);
    const SidePointArray& right = SidePoints(Side::kRight);
    const SidePointArray& top = SidePoints(Side::kTop);
    const SidePointArray& bottom = SidePoints(Side::kBottom);
    // Where horizontal line i meets vertical line j: the vertical line taken at the height
    // line i has on the left side, the horizontal line at the place line j has on the top.
    const auto crossingY = [&](int li, int lj) {
        const double wa = left[li].y - cornerTL_.y;
        const double wb = cornerBL_.y - left[li].y;
        return (wa * bottom[lj].y + wb * top[lj].y) / (wa + wb);
    };
    const auto crossingX = [&](int li, int lj) {
        const double va = top[lj].x - cornerTL_.x;
        const double vb = cornerTR_.x - top[lj].x;
        return (va * right[li].x + vb * left[li].x) / (va + vb);
    };
    const double y1 = Nearest16(crossingY(i, j));
    const double x1 = crossingX(i, j);
    const double y2 = crossingY(i - 1, j - 1);
    const double x2 = crossingX(i - 1, j - 1);
    Point16 centre{Nearest16((x1 + x2) / 2), Nearest16((y1 + y2) / 2)};
    centre = RefineCentre(centre, Nearest16(cellHeight_ / 6));
    darkness_.Set(column, row, CellMeanGrey(centre));
}

Point16 Recogniser::RefineCentre(Point16 p, int w) {
    const double step = w / 5.0;
    const int contrast = brightestGrey_ - darkestGrey_;
    int sx = 0, sy = 0;
    for (int k = 2; k <= 5; ++k) {
        sx += GreyAt(Nearest16(p.x + k * step), p.y) - GreyAt(Nearest16(p.x - k * step), p.y);
        sy += GreyAt(p.x, Nearest16(p.y + k * step)) - GreyAt(p.x, Nearest16(p.y - k * step));
    }
    return {Nearest16(p.x - step * sx / contrast), Nearest16(p.y - step * sy / contrast)};
}

std::int16_t Recogniser::CellMeanGrey(Point16 p) {
    if (!(cellWidth_ > 0)) return GreyAt(p.x, p.y);  // no window: the centre pixel alone
    const double step = cellWidth_ / 10;
    const double limit = cellWidth_ / 5;
    // The offsets accumulate by repeated addition, so rounding may drop the last one. Rows
    // and columns run through the same offsets, so the sample coordinates are rounded once
    // per row and column rather than once per sample. Offsets -2..2 steps: at most five.
    std::array<std::int16_t, 5> xs{}, ys{};
    std::size_t offsets = 0;
    for (double d = -cellWidth_ / 5; d <= limit && offsets < xs.size(); d += step, ++offsets) {
        xs[offsets] = Nearest16(p.x + d);
        ys[offsets] = Nearest16(p.y + d);
    }
    double sum = 0;
    for (std::size_t row = 0; row < offsets; ++row)
        for (std::size_t column = 0; column < offsets; ++column) sum += GreyAt(xs[column], ys[row]);
    return Nearest16(sum / static_cast<double>(offsets * offsets));
}

bool Recogniser::FlattenShading(const TemplateModel& model) {
    return veltora::FlattenShading(darkness_, model.cardRows, model.cardColumns);
}

void Recogniser::GridStatistics(const TemplateModel& model) {
    levels_ = veltora::GridStatistics(darkness_, model.cardRows, model.cardColumns);
}

}  // namespace veltora
