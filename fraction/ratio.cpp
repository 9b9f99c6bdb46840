#include "fraction/ratio.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace fraction {

namespace {

using Whole = Ratio::Whole;
__extension__ using Unsigned = unsigned __int128;

// Powers of ten beyond this one do not fit.
constexpr std::int64_t kLargestPowerOfTen = 38;
// The one part whose negative does not fit; no ratio holds it, so every part can be negated.
constexpr Whole kSmallest = static_cast<Whole>(Unsigned(1) << 127);

Unsigned sizeOf(Whole value) { return value < 0 ? Unsigned(0) - Unsigned(value) : Unsigned(value); }

Whole greatestCommonDivisor(Whole a, Whole b) {
    Unsigned x = sizeOf(a), y = sizeOf(b);
    while (y != 0)
        x = std::exchange(y, x % y);
    return static_cast<Whole>(x); // at most the size of a non-zero part, which fits
}

std::optional<Whole> times(Whole a, Whole b) {
    Whole result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

std::optional<Whole> plus(Whole a, Whole b) {
    Whole result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

std::optional<Whole> powerOfTen(std::int64_t exponent) {
    if (exponent > kLargestPowerOfTen)
        return std::nullopt;
    Whole power = 1;
    for (std::int64_t i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

std::string textOf(Whole value) {
    std::string digits;
    for (Unsigned rest = sizeOf(value); digits.empty() || rest != 0; rest /= 10)
        digits += static_cast<char>('0' + static_cast<int>(rest % 10));
    if (value < 0)
        digits += '-';
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace

std::optional<Ratio> Ratio::made(Whole numerator, Whole denominator) {
    if (denominator == 0 || numerator == kSmallest || denominator == kSmallest)
        return std::nullopt;
    const Whole divisor = greatestCommonDivisor(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    return denominator < 0 ? Ratio(-numerator, -denominator) : Ratio(numerator, denominator);
}

std::optional<Ratio> Ratio::of(const Exact& number) {
    Whole digits = 0;
    for (const char digit : number.digits()) {
        const auto shifted = times(digits, 10);
        const auto next = shifted ? plus(*shifted, digit - '0') : std::nullopt;
        if (!next)
            return std::nullopt;
        digits = *next;
    }
    const std::int64_t exponent = number.exponent();
    const auto power = powerOfTen(exponent < 0 ? -exponent : exponent);
    const auto scaled = power && exponent > 0 ? times(digits, *power) : std::optional(digits);
    if (!power || !scaled)
        return std::nullopt;
    return made(number.isNegative() ? -*scaled : *scaled, exponent < 0 ? *power : 1);
}

std::optional<Ratio> Ratio::read(std::string_view text) {
    const auto number = Exact::read(text);
    return number ? of(*number) : std::nullopt;
}

Ratio Ratio::size() const { return Ratio(numerator_ < 0 ? -numerator_ : numerator_, denominator_); }

Ratio Ratio::wholePart() const { return Ratio(numerator_ / denominator_, 1); }

std::string Ratio::numeratorText() const { return textOf(numerator_); }

std::string Ratio::denominatorText() const { return textOf(denominator_); }

// Over the least common multiple of the denominators, which keeps the parts as small as they can be.
std::optional<Ratio> sum(const Ratio& x, const Ratio& y) {
    const Whole common = greatestCommonDivisor(x.denominator_, y.denominator_);
    const auto left = times(x.numerator_, y.denominator_ / common);
    const auto right = times(y.numerator_, x.denominator_ / common);
    const auto numerator = left && right ? plus(*left, *right) : std::nullopt;
    const auto denominator = times(x.denominator_ / common, y.denominator_);
    if (!numerator || !denominator)
        return std::nullopt;
    return Ratio::made(*numerator, *denominator);
}

std::optional<Ratio> difference(const Ratio& x, const Ratio& y) {
    return sum(x, Ratio(-y.numerator_, y.denominator_));
}

// Each numerator is first divided by what it shares with the other's denominator (never zero: a
// denominator is not).
std::optional<Ratio> product(const Ratio& x, const Ratio& y) {
    const Whole a = greatestCommonDivisor(x.numerator_, y.denominator_);
    const Whole b = greatestCommonDivisor(y.numerator_, x.denominator_);
    const auto numerator = times(x.numerator_ / a, y.numerator_ / b);
    const auto denominator = times(x.denominator_ / b, y.denominator_ / a);
    if (!numerator || !denominator)
        return std::nullopt;
    return Ratio::made(*numerator, *denominator);
}

std::optional<Ratio> quotient(const Ratio& x, const Ratio& y) {
    if (y.isZero())
        return std::nullopt;
    return product(x, Ratio(y.denominator_, y.numerator_));
}

} // namespace fraction
