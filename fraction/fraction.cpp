#include "fraction/fraction.h"

#include "fraction/exact.h"
#include "fraction/scanning.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <system_error>
#include <vector>

namespace fraction {
namespace {

using scanning::isDigit;
using scanning::trimmedView;

constexpr double kLargestWhole = 9007199254740992.0;                     // 2^53, as in Exact::integerValue
constexpr std::string_view kLargestNumberText = "1.79769313486231E+308"; // 15 digits, below DBL_MAX

// Arabic-Indic digits U+0660..U+0669 are D9 A0..D9 A9 in UTF-8, Persian digits U+06F0..U+06F9 are
// DB B0..DB B9; the digit's value is the distance of the second byte from the first digit's. The
// Arabic decimal separator U+066B (D9 AB), which Arabic keyboards type, is the decimal point.
std::optional<char> latinDigit(char lead, char trail) {
    const auto lead8 = static_cast<unsigned char>(lead);
    const auto trail8 = static_cast<unsigned char>(trail);
    if (lead8 == 0xD9 && trail8 >= 0xA0 && trail8 <= 0xA9)
        return static_cast<char>('0' + (trail8 - 0xA0));
    if (lead8 == 0xD9 && trail8 == 0xAB)
        return '.';
    if (lead8 == 0xDB && trail8 >= 0xB0 && trail8 <= 0xB9)
        return static_cast<char>('0' + (trail8 - 0xB0));
    return std::nullopt;
}

std::string withLatinDigits(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto digit = i + 1 < text.size() ? latinDigit(text[i], text[i + 1]) : std::nullopt;
        if (digit) {
            result += *digit;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

std::string trimmed(std::string_view text) { return std::string(trimmedView(text)); }

bool isNumeric(std::string_view text) { return readNumber(text).has_value(); }

double value(std::string_view text) { return readNumber(text).value_or(0.0); }

double roundHalfEven(double value) {
    // std::round takes halves away from zero; a half is rounded as twice the nearest whole to value/2.
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

std::optional<std::int64_t> integerValue(double value) {
    const double whole = roundHalfEven(value);
    if (!std::isfinite(whole) || std::fabs(whole) > kLargestWhole)
        return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

bool divides(double divisor, double dividend) {
    const auto wholeDivisor = integerValue(divisor);
    const auto wholeDividend = integerValue(dividend);
    if (!wholeDivisor || !wholeDividend || *wholeDivisor == 0)
        return false;
    return *wholeDividend % *wholeDivisor == 0;
}

std::string numberText(double value) {
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        value = 0.0; // drops the sign of -0
    // Room for a sign, 15 digits, a point and a four-character exponent, with room to spare.
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), written.ptr);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    // The largest doubles round up to 15 digits beyond the range of a double, a text no rule could
    // read back; they are written rounded towards zero instead.
    if (!isNumeric(text))
        return value < 0.0 ? "-" + std::string(kLargestNumberText) : std::string(kLargestNumberText);
    return text;
}

std::string numberText(const Exact& number) { return numberText(number.nearestDouble()); }

std::string bracketed(std::string_view fieldText) {
    std::string text = trimmed(fieldText);
    return value(text) < 0.0 ? "(" + text + ")" : text;
}

// Judged by the text, so -0 (written "0") and non-finite values (written "") stay bare.
std::string bracketedNumber(double value) {
    std::string text = numberText(value);
    return text.starts_with('-') ? "(" + text + ")" : text;
}

bool sameDenominator(std::string_view b, std::string_view d) { return trimmed(b) == trimmed(d); }

double mixedNumerator(double whole, double numerator, double denominator) {
    if (numerator < 0.0)
        return -(denominator * std::fabs(whole) + std::fabs(numerator));
    return denominator * whole + numerator;
}

bool sameValue(std::string_view a, std::string_view b) {
    const auto x = Exact::read(a);
    const auto y = Exact::read(b);
    return x && y && *x == *y;
}

bool sameRatio(std::string_view a, std::string_view b, std::string_view c, std::string_view d) {
    const auto x = Exact::read(a), y = Exact::read(b), z = Exact::read(c), w = Exact::read(d);
    return x && y && z && w && sameRatio(*x, *y, *z, *w);
}

std::string filterInput(std::string_view text) {
    std::string latin = withLatinDigits(text);
    return isNumeric(latin) || latin == "-" ? latin : std::string();
}

bool textBefore(std::string_view a, std::string_view b) {
    // char_traits<char> compares bytes as unsigned, and UTF-8 byte order is character code order.
    return a < b;
}

} // namespace fraction
