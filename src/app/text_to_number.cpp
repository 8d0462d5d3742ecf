#include "app/text_to_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace veltora {

namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters that take part in the reading, without the ignored blanks.
std::string Significant(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (!IsIgnored(c)) kept.push_back(c);
    }
    return kept;
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}

// "&H1F" / "&O17" (the ampersand already taken): the digits as an unsigned magnitude, so
// "&HFFFF" is 65535 whatever width it is later stored in.
double ReadRadix(std::string_view text) {
    if (text.empty()) return 0;
    const char letter = text.front();
    const int radix = letter == 'H' || letter == 'h' ? 16 : letter == 'O' || letter == 'o' ? 8 : 0;
    if (radix == 0) return 0;
    double value = 0;
    for (const char c : text.substr(1)) {
        const int digit = DigitValue(c);
        if (digit >= radix) break;
        value = value * radix + digit;
        if (!std::isfinite(value)) return 0;
    }
    return value;
}

// Sign, digits with at most one point, and an E or D exponent with at least one digit;
// returns the longest prefix of `text` of that form, with the exponent letter as 'e'.
std::string DecimalPrefix(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(text[i]);
    }
    if (!digits) return {};
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent.push_back(text[j++]);
        const std::size_t firstDigit = j;
        while (j < text.size() && IsDigit(text[j])) exponent.push_back(text[j++]);
        if (j > firstDigit) number += exponent;
    }
    return number;
}

double ReadDecimal(std::string_view text) {
    const std::string number = DecimalPrefix(text);
    if (number.empty()) return 0;
    // from_chars takes no '+' and, unlike strtod, ignores the locale's decimal point.
    const bool negative = number.front() == '-';
    const std::size_t start = number.front() == '+' || negative ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(number.data() + start, number.data() + number.size(), value);
    // A magnitude beyond the double range is not a number the program can hold; one too
    // small to represent is 0 anyway.
    if (result.ec != std::errc()) return 0;
    return negative ? -value : value;
}

}  // namespace

double TextToNumber(std::string_view text) {
    const std::string kept = Significant(text);
    const std::string_view view = kept;
    const double value = !view.empty() && view.front() == '&' ? ReadRadix(view.substr(1))
                                                              : ReadDecimal(view);
    return value + 0.0;  // "-0" reads as 0, not as negative zero
}

}  // namespace veltora
