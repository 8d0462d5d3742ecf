#pragma once
// The report dialog's logic without its window: the tables ticked last time and the
// score-band width box.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "reports/word_report.h"

namespace veltora {

// Check box values (0 clear, 1 ticked) of tables 1..4, remembered in "sys/reg.cho",
// section "FrmToWORD", keys "BIOAOGE1".."BIOAOGE4"; a missing key reads 0.
using WordTableBoxes = std::array<std::int16_t, kWordTables>;
WordTableBoxes ReadWordTableBoxes(const AppContext& ctx);
// Written as " 1" / " 0". False when the settings file could not be written.
bool SaveWordTableBoxes(const AppContext& ctx, const WordTableBoxes& boxes);
// A table counts as chosen when its box holds 1.
WordTables ChosenTables(const WordTableBoxes& boxes);

// What the band-width box shows and the paper's band width after an edit.
struct BandWidthBox {
    std::string text;
    std::int16_t width = 10;
};
// The box when the dialog opens: a width below 1 becomes 10.
BandWidthBox OpenBandWidthBox(std::int16_t width);
// After every change of the box: it shows the number it reads as ("12a" -> "12",
// "" -> "0") and the width takes that number rounded half to even (kept as it was when
// the number does not fit 16 bits).
BandWidthBox EditBandWidthBox(std::string_view typed, std::int16_t width);
// When the box loses the focus: a width below 1 (or beyond 16 bits) becomes 10.
BandWidthBox LeaveBandWidthBox(std::string_view text);

}  // namespace veltora
