#include "synthetic_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace veltora::test {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kRedInk = 0x00625CD0;  // RGB 208, 92, 98

class Canvas {
public:
    Canvas(Raster& raster, double dpi) : raster_(raster), scale_(dpi / 25.4) {}

    void FillRect(double left, double top, double right, double bottom, std::uint32_t colour) {
        for (int y = Px(top); y < Px(bottom); ++y)
            for (int x = Px(left); x < Px(right); ++x) raster_.SetPixel(x, y, colour);
    }
    // A ring between radii inner and outer (inner 0: a disc) around (cx, cy).
    void FillRing(double cx, double cy, double inner, double outer, std::uint32_t colour) {
        for (int y = Px(cy - outer) - 1; y <= Px(cy + outer) + 1; ++y) {
            for (int x = Px(cx - outer) - 1; x <= Px(cx + outer) + 1; ++x) {
                const double dx = (x + 0.5) / scale_ - cx, dy = (y + 0.5) / scale_ - cy;
                const double r = std::sqrt(dx * dx + dy * dy);
                if (r <= outer && r >= inner) raster_.SetPixel(x, y, colour);
            }
        }
    }

private:
    int Px(double mm) const { return static_cast<int>(std::lround(mm * scale_)); }
    Raster& raster_;
    double scale_;
};

std::uint32_t Channel(std::uint32_t colour, int shift) { return (colour >> shift) & 0xFFu; }

// Bilinear sample of the upright sheet; white paper beyond it.
std::array<double, 3> Sample(const Raster& src, double x, double y) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    std::array<double, 3> out{};
    for (int c = 0; c < 3; ++c) {
        double value = 0;
        for (int k = 0; k < 4; ++k) {
            const int sx = x0 + (k & 1), sy = y0 + (k >> 1);
            const std::int32_t colour = src.ColourAt(sx, sy);
            const double channel = colour < 0 ? 255.0 : Channel(static_cast<std::uint32_t>(colour), 8 * c);
            value += channel * ((k & 1) ? fx : 1 - fx) * ((k >> 1) ? fy : 1 - fy);
        }
        out[static_cast<std::size_t>(c)] = value;
    }
    return out;
}

}  // namespace

Raster DrawSheet(const SheetDrawing& d) {
    const double scale = d.dpi / 25.4;
    Raster raster(static_cast<int>(std::lround(d.pageWidth * scale)), static_cast<int>(std::lround(d.pageHeight * scale)),
                  kWhite);
    Canvas canvas(raster, d.dpi);
    const double p = d.pitch;
    const double innerLeft = d.gridLeft + d.frameInset, innerTop = d.gridTop + d.frameInset;
    const double innerRight = d.gridLeft + d.columns * p - d.frameInset;
    const double innerBottom = d.gridTop + d.rows * p - d.frameInset;
    const double t = d.frameThickness;
    canvas.FillRect(innerLeft - t, innerTop - t, innerRight + t, innerTop, kBlack);
    canvas.FillRect(innerLeft - t, innerBottom, innerRight + t, innerBottom + t, kBlack);
    canvas.FillRect(innerLeft - t, innerTop, innerLeft, innerBottom, kBlack);
    canvas.FillRect(innerRight, innerTop, innerRight + t, innerBottom, kBlack);
    if (d.orientationMark) canvas.FillRect(innerRight - d.markSide, innerTop, innerRight, innerTop + d.markSide, kBlack);

    const auto centreX = [&](const CellRef& c) { return d.gridLeft + (c.column - 0.5) * p; };
    const auto centreY = [&](const CellRef& c) { return d.gridTop + (c.row - 0.5) * p; };
    if (d.calibrationCell) {
        const double half = 0.35 * p;
        const CellRef& c = *d.calibrationCell;
        canvas.FillRect(centreX(c) - half, centreY(c) - half, centreX(c) + half, centreY(c) + half, kBlack);
    }
    const double radius = 0.31 * p;
    for (const CellRef& c : d.bubbles) canvas.FillRing(centreX(c), centreY(c), radius - 0.035 * p, radius, kRedInk);
    for (const CellRef& c : d.filled) canvas.FillRing(centreX(c), centreY(c), 0, radius, d.pencil);
    return raster;
}

Raster Photograph(const Raster& upright, const View& view) {
    const int w = upright.Width(), h = upright.Height();
    const bool sideways = view.quarterTurnsAnticlockwise % 2 != 0;
    const int outW = sideways ? h : w, outH = sideways ? w : h;
    Raster out(outW, outH);
    const double angle = view.degrees * std::acos(-1.0) / 180;
    const double cosA = std::cos(angle), sinA = std::sin(angle);
    std::mt19937 random(view.seed);
    std::normal_distribution<double> noise(0, view.noiseSigma > 0 ? view.noiseSigma : 1);

    for (int v = 0; v < outH; ++v) {
        for (int u = 0; u < outW; ++u) {
            // Undo the quarter turns: back to upright pixel coordinates.
            double x = u + 0.5, y = v + 0.5;
            for (int turn = view.quarterTurnsAnticlockwise % 4; turn >= 1; --turn) {
                // One anticlockwise turn maps (x, y) to (y, W - x) of the image before it,
                // whose width W is the height of the image after it.
                const double heightAfter = turn % 2 == 1 ? w : h;
                const double before = heightAfter - y;
                y = x;
                x = before;
            }
            // Undo the small rotation about the centre, then the keystone (rows nearer the
            // top are squeezed towards the centre line).
            const double cx = x - w / 2.0, cy = y - h / 2.0;
            double sx = cosA * cx + sinA * cy, sy = -sinA * cx + cosA * cy;
            const double rowScale = 1 + (1 - view.keystone) * (sy / h);
            sx /= rowScale;
            std::array<double, 3> rgb = Sample(upright, sx + w / 2.0 - 0.5, sy + h / 2.0 - 0.5);
            const double light = 1 - view.lightFalloff * (1 - static_cast<double>(v) / outH);
            std::uint32_t colour = 0;
            for (int c = 0; c < 3; ++c) {
                double value = rgb[static_cast<std::size_t>(c)] * light;
                if (view.noiseSigma > 0) value += noise(random);
                colour |= static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L)) << (8 * c);
            }
            out.SetPixel(u, v, colour);
        }
    }
    return out;
}

CellRef ItemCell(const ItemLayout& item, int k) {
    return item.orientation == 1 ? CellRef{item.x, item.y + k} : CellRef{item.x + k, item.y};
}

TemplateModel SampleTemplate() {
    TemplateModel m;
    m.cardColumns = 21;
    m.cardRows = 24;
    m.cardHeadRows = 11;
    m.idDigitNumber = 6;
    m.questionsTotal = 60;
    m.returnCounts = 2;
    for (int k = 1; k <= 10; ++k) m.returnTable[1][static_cast<std::size_t>(k)] = std::to_string(k - 1);
    const char* letters[] = {"A", "B", "C", "D"};
    for (int k = 1; k <= 4; ++k) m.returnTable[2][static_cast<std::size_t>(k)] = letters[k - 1];
    m.digits.assign(static_cast<std::size_t>(m.idDigitNumber + 2), ItemLayout{1, 10, 1, 0, -10});
    for (int d = 1; d <= m.idDigitNumber; ++d) m.digits[static_cast<std::size_t>(d)].x = static_cast<std::int16_t>(2 + d);
    m.questions.assign(static_cast<std::size_t>(m.questionsTotal + 2), ItemLayout{0, 4, 2, 0, 0});
    m.questionNames.assign(m.questions.size(), "");
    for (int q = 1; q <= m.questionsTotal; ++q) {
        ItemLayout& item = m.questions[static_cast<std::size_t>(q)];
        const int block = (q - 1) / 20;
        item.x = static_cast<std::int16_t>(3 + 6 * block);
        item.y = static_cast<std::int16_t>(2 + (q - 1) % 20);
        m.questionNames[static_cast<std::size_t>(q)] = std::to_string(q);
    }
    return m;
}

SheetDrawing SampleSheet(const TemplateModel& model, const std::vector<int>& digits, const std::vector<int>& answers,
                         double dpi) {
    SheetDrawing d;
    d.dpi = dpi;
    d.columns = model.cardColumns;
    d.rows = model.cardRows;
    d.pitch = 5;
    d.gridLeft = (d.pageWidth - d.columns * d.pitch) / 2;
    d.gridTop = 92;
    d.calibrationCell = CellRef{20, 3};
    for (int di = 1; di <= model.idDigitNumber; ++di) {
        const ItemLayout& item = model.digits[static_cast<std::size_t>(di)];
        for (int k = 0; k < 10; ++k) d.bubbles.push_back(ItemCell(item, k));
        if (static_cast<std::size_t>(di - 1) < digits.size()) d.filled.push_back(ItemCell(item, digits[static_cast<std::size_t>(di - 1)]));
    }
    for (int q = 1; q <= model.questionsTotal; ++q) {
        const ItemLayout& item = model.questions[static_cast<std::size_t>(q)];
        for (int k = 0; k < item.fills; ++k) d.bubbles.push_back(ItemCell(item, k));
        const int answer = static_cast<std::size_t>(q - 1) < answers.size() ? answers[static_cast<std::size_t>(q - 1)] : 0;
        for (int k = 0; k < item.fills; ++k)
            if (answer & (1 << k)) d.filled.push_back(ItemCell(item, k));
    }
    return d;
}

}  // namespace veltora::test
