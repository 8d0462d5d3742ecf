#include "recognition/spacing_law.h"

#include "app/rounding.h"

namespace veltora {

std::optional<SpacingLaw> MakeSpacingLaw(double length, double e0, double em, double e1, int cells) {
    if (cells < 2 || e0 == 0) return std::nullopt;
    const double n = cells;
    const int h = cells / 2;
    const double m = cells - h;
    const double tm = m * (m + 1) / 2;
    const double tn = n * (n + 1) / 2;
    const double r = ((em - e0) / h) / e0;
    const double q = (e1 / e0 - 1) * tm / m;
    const double u = length / (n + q + r * (tn - n * (m + 1) / 2));
    const double d1 = u * r;
    const double d2 = (u * (e1 / e0 - 1) - n * d1) / m;
    return SpacingLaw{h, u, d1, d2};
}

std::optional<std::int16_t> GridLinePosition(const SpacingLaw& law, double start, int i) {
    std::optional<std::int16_t> t = NearestInt16(start + law.u * i + law.d1 * i * (i + 1) / 2);
    if (t && i > law.h) t = NearestInt16(*t + law.d2 * (i - law.h) * (i - law.h + 1) / 2);
    return t;
}

}  // namespace veltora
