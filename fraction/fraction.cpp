#include "fraction/fraction.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <system_error>
#include <vector>

namespace fraction {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr double kLargestWhole = 9007199254740992.0; // 2^53
// When both integer values are 0 every divisor divides both and none is the greatest; the divisor
// is then 100, the largest these results have ever been divided by.
constexpr std::int64_t kDivisorOfZeros = 100;
constexpr std::string_view kLargestNumberText = "1.79769313486231E+308"; // 15 digits, below DBL_MAX

std::string_view trimmedView(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads an optionally signed decimal number with an optional exponent, blanks around it allowed.
// std::from_chars reads the same forms in every locale, but refuses a "+" and also accepts "inf"
// and "nan", so the sign is taken here and the rest must start with a digit or a point. A number
// beyond the range of a double is refused in both directions: 1e999 would read as infinity and
// 1e-999 as a zero the pupil did not type.
std::optional<double> parse(std::string_view text) {
    std::string_view rest = trimmedView(text);
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+'))
        rest.remove_prefix(1);
    if (rest.empty() || !(isDigit(rest.front()) || rest.front() == '.'))
        return std::nullopt;
    double number = 0.0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    if (error != std::errc{} || end != rest.data() + rest.size())
        return std::nullopt;
    return negative ? -number : number;
}

// Arabic-Indic digits U+0660..U+0669 are D9 A0..D9 A9 in UTF-8, Persian digits U+06F0..U+06F9 are
// DB B0..DB B9; the digit's value is the distance of the second byte from the first digit's.
std::optional<char> latinDigit(char lead, char trail) {
    const auto lead8 = static_cast<unsigned char>(lead);
    const auto trail8 = static_cast<unsigned char>(trail);
    if (lead8 == 0xD9 && trail8 >= 0xA0 && trail8 <= 0xA9)
        return static_cast<char>('0' + (trail8 - 0xA0));
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

// A numeric text as the exact decimal it is: (−1)^negative · digits · 10^exponent, the digits
// without leading or trailing zeros, so that equal numbers have equal parts. Zero has no digits, no
// sign and exponent 0.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
    bool isZero() const { return digits.empty(); }
    bool operator==(const Decimal&) const = default;
};

// Drops the trailing zeros of `digits` into the exponent.
void normalise(Decimal& number) {
    const auto last = number.digits.find_last_not_of('0');
    const std::size_t zeros =
        last == std::string::npos ? number.digits.size() : number.digits.size() - last - 1;
    number.digits.resize(number.digits.size() - zeros);
    number.exponent += static_cast<std::int64_t>(zeros);
    if (number.isZero())
        number = {};
}

// An exponent's digits, with its size capped at kExponentCap. A text whose exponent reaches the cap is
// either zero (whose exponent does not matter) or a number beyond the range of a double, which is
// not numeric; so the cap changes no result, and keeps the sums below from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

std::optional<Decimal> exactDecimal(std::string_view text) {
    if (!isNumeric(text))
        return std::nullopt;
    std::string_view rest = trimmedView(text);
    Decimal number;
    number.negative = rest.starts_with('-');
    if (number.negative || rest.starts_with('+'))
        rest.remove_prefix(1);
    // The grammar is known to hold here: digits, an optional point and digits, an optional exponent.
    std::size_t at = 0;
    std::int64_t fractionDigits = 0;
    bool afterPoint = false;
    for (; at < rest.size() && (isDigit(rest[at]) || rest[at] == '.'); ++at) {
        if (rest[at] == '.') {
            afterPoint = true;
            continue;
        }
        fractionDigits += afterPoint ? 1 : 0;
        if (!number.digits.empty() || rest[at] != '0')
            number.digits += rest[at];
    }
    std::int64_t exponent = 0;
    if (at < rest.size()) { // 'e' or 'E', an optional sign, digits
        ++at;
        const bool negativeExponent = rest[at] == '-';
        if (rest[at] == '-' || rest[at] == '+')
            ++at;
        for (; at < rest.size() && isDigit(rest[at]); ++at)
            exponent = std::min(exponent * 10 + (rest[at] - '0'), kExponentCap);
        if (negativeExponent)
            exponent = -exponent;
    }
    number.exponent = exponent - fractionDigits;
    normalise(number);
    return number;
}

// Whole numbers of any length in limbs of nine decimal digits, least significant first; only what
// the exact comparison needs: from and to digits, and the product.
using Limbs = std::vector<std::uint64_t>;
constexpr std::uint64_t kLimb = 1'000'000'000;
constexpr std::size_t kLimbDigits = 9;

Limbs limbsOf(std::string_view digits) {
    Limbs limbs;
    limbs.reserve(digits.size() / kLimbDigits + 1);
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t begin = end > kLimbDigits ? end - kLimbDigits : 0;
        std::uint64_t limb = 0;
        for (std::size_t i = begin; i < end; ++i)
            limb = limb * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        limbs.push_back(limb);
        end = begin;
    }
    return limbs;
}

// Schoolbook multiplication: every partial sum stays below (10^9)^2 + 2·10^9 < 2^64.
Limbs product(const Limbs& a, const Limbs& b) {
    Limbs result(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::uint64_t sum = result[i + j] + a[i] * b[j] + carry;
            result[i + j] = sum % kLimb;
            carry = sum / kLimb;
        }
        result[i + b.size()] += carry;
    }
    return result;
}

std::string digitsOf(const Limbs& limbs) {
    std::string digits;
    digits.reserve(limbs.size() * kLimbDigits);
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
        std::array<char, kLimbDigits> chunk{};
        std::uint64_t rest = *limb;
        for (std::size_t i = kLimbDigits; i > 0; --i, rest /= 10)
            chunk[i - 1] = static_cast<char>('0' + rest % 10);
        digits.append(chunk.data(), chunk.size());
    }
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

// x·y exactly, in the same normal form.
Decimal times(const Decimal& x, const Decimal& y) {
    if (x.isZero() || y.isZero())
        return {};
    Decimal result{x.negative != y.negative, digitsOf(product(limbsOf(x.digits), limbsOf(y.digits))),
                   x.exponent + y.exponent};
    normalise(result);
    return result;
}

} // namespace

std::string trimmed(std::string_view text) { return std::string(trimmedView(text)); }

bool isNumeric(std::string_view text) { return parse(text).has_value(); }

double value(std::string_view text) { return parse(text).value_or(0.0); }

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

Reduction reduce(std::string_view numerator, std::string_view denominator) {
    const double n = value(numerator);
    const double d = value(denominator);
    const auto wholeN = integerValue(n);
    const auto wholeD = integerValue(d);
    if (!wholeN || !wholeD)
        return {};
    // Both sizes are at most 2^53, so std::gcd cannot overflow, and the divisor is a double exactly.
    const std::int64_t divisor = *wholeN == 0 && *wholeD == 0 ? kDivisorOfZeros : std::gcd(*wholeN, *wholeD);
    const double by = static_cast<double>(divisor);
    return {numberText(n / by), numberText(d / by), divisor};
}

std::string reductionTooltip(std::int64_t divisor) {
    return "بقسمة البسط والمقام على  " + std::to_string(divisor);
}

std::string wholeNumberResult(std::string_view numerator, std::string_view denominator) {
    const double n = value(numerator);
    const double d = value(denominator);
    return divides(d, n) ? numberText(n / d) : std::string();
}

double mixedNumerator(double whole, double numerator, double denominator) {
    if (numerator < 0.0)
        return -(denominator * std::fabs(whole) + std::fabs(numerator));
    return denominator * whole + numerator;
}

bool sameValue(std::string_view a, std::string_view b) {
    const auto x = exactDecimal(a);
    const auto y = exactDecimal(b);
    return x && y && *x == *y;
}

bool sameRatio(std::string_view a, std::string_view b, std::string_view c, std::string_view d) {
    const auto na = exactDecimal(a), db = exactDecimal(b), nc = exactDecimal(c), dd = exactDecimal(d);
    if (!na || !db || !nc || !dd || db->isZero() || dd->isZero())
        return false;
    return times(*na, *dd) == times(*nc, *db);
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
