#pragma once
#include <string_view>

namespace veltora {

// The numeric reading of every number kept as text or typed by the user: blanks, tabs and
// line feeds are ignored anywhere; sign, digits, one decimal point, E or D exponent, or
// &H hexadecimal / &O octal; reading stops at the first unfit character; no number gives 0.
double TextToNumber(std::string_view text);

}  // namespace veltora
