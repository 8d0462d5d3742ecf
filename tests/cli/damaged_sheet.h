#pragma once
// Rendered sheets for the read-back tests: filled in, then spoilt the way a scanner or a
// camera spoils a printed sheet.
#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/qt/sheet_renderer.h"

namespace veltora::test {

// Each effect at its neutral value is left out.
struct SheetDamage {
    int turnClockwise = 0;  // 0, 90, 180 or 270
    double rotate = 0;      // degrees
    double keystone = 1;    // far-to-near ratio
    double unevenLight = 0;
    double blur = 0;
    double noise = 0;
    std::uint32_t noiseSeed = 3;
    int jpegQuality = 0;  // 0: not compressed
};

// `design` with `answers` and the first digits of `digits` (as many as the template's
// examinee number has) marked; returns that number, or nothing with `error` set.
std::optional<std::string> MarkSheet(SheetSpec& design, const std::vector<std::string>& answers,
                                     std::string_view digits, std::string& error);

// The rendered sheet of `design` with the effects applied in the order they happen to a
// real sheet.
QImage DamagedSheet(const SheetSpec& design, const SheetDamage& damage);

}  // namespace veltora::test
