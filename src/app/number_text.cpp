#include "app/number_text.h"

#include <charconv>
#include <cmath>

namespace veltora {

namespace {

// "%G"-style text of `value` rounded to `digits` significant digits: plain notation while
// the decimal exponent lies from -4 to digits - 1, "1E+20" / "1E-05" beyond, as the
// classic runtime prints such numbers. Independent of the C locale. A value that is
// not finite has no text form in the files; it is written as "0", which is also what any
// such text would read back as.
template <typename Real>
std::string PlainText(Real value, int digits) {
    if (!std::isfinite(value) || value == 0) return "0";  // also drops the sign of -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
}

std::string Padded(std::string text) {
    const bool negative = text.front() == '-';
    const std::size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);
    return negative ? text : " " + text;
}

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;

}  // namespace

std::string NumberText(double value) { return PlainText(value, kDoubleDigits); }
std::string NumberText(float value) { return PlainText(value, kFloatDigits); }
std::string PaddedNumberText(double value) { return Padded(NumberText(value)); }
std::string PaddedNumberText(float value) { return Padded(NumberText(value)); }

}  // namespace veltora
