#include "fraction/fraction_value.h"

#include <algorithm>
#include <compare>
#include <numeric>
#include <string>
#include <utility>

#include "fraction/fraction.h"

namespace fraction {

namespace {

// Lowest terms take whole numbers of up to 38 digits in 128 bits.
__extension__ using Unsigned = unsigned __int128;
constexpr std::int64_t kLargestPowerOfTen = 38;

// When both integer values are 0 every divisor divides both and none is the greatest; the divisor
// is then 100, the largest these results have ever been divided by.
constexpr std::int64_t kDivisorOfZeros = 100;

Unsigned greatestCommonDivisor(Unsigned x, Unsigned y) {
    while (y != 0)
        x = std::exchange(y, x % y);
    return x;
}

// The digits of a number followed by `zeros` zeros, as a whole number; empty when it does not fit.
std::optional<Unsigned> wholeOf(const Exact& number, std::int64_t zeros) {
    if (zeros > kLargestPowerOfTen)
        return std::nullopt;
    Unsigned whole = 0;
    for (const char digit : number.digits())
        if (__builtin_mul_overflow(whole, 10, &whole) || __builtin_add_overflow(whole, digit - '0', &whole))
            return std::nullopt;
    for (std::int64_t i = 0; i < zeros; ++i)
        if (__builtin_mul_overflow(whole, 10, &whole))
            return std::nullopt;
    return whole;
}

Exact exactOf(Unsigned whole, bool negative) {
    std::string digits;
    for (Unsigned rest = whole; digits.empty() || rest != 0; rest /= 10)
        digits += static_cast<char>('0' + static_cast<int>(rest % 10));
    std::reverse(digits.begin(), digits.end());
    const Exact size = *Exact::read(digits); // at most 39 digits: well inside a double's range
    return negative ? -size : size;
}

// The number its number text writes for a value, as a screen shows it.
Exact asWritten(double value) { return Exact::read(numberText(value)).value_or(Exact{}); }

} // namespace

std::optional<Fraction> Fraction::read(std::string_view numerator, std::string_view denominator) {
    auto n = Exact::read(numerator), d = Exact::read(denominator);
    if (!n || !d)
        return std::nullopt;
    return Fraction{std::move(*n), std::move(*d)};
}

Fraction Fraction::of(std::int64_t numerator, std::int64_t denominator) {
    return {Exact::of(numerator), Exact::of(denominator)};
}

bool sameValue(const Fraction& x, const Fraction& y) {
    return !x.denominator.isZero() && !y.denominator.isZero() &&
           x.numerator * y.denominator == y.numerator * x.denominator;
}

bool sameSize(const Fraction& x, const Fraction& y) {
    return !x.denominator.isZero() && !y.denominator.isZero() &&
           std::is_eq(compareSize(x.numerator * y.denominator, y.numerator * x.denominator));
}

Fraction sum(const Fraction& x, const Fraction& y) {
    return {x.numerator * y.denominator + y.numerator * x.denominator, x.denominator * y.denominator};
}

Fraction difference(const Fraction& x, const Fraction& y) { return sum(x, {-y.numerator, y.denominator}); }

Fraction product(const Fraction& x, const Fraction& y) {
    return {x.numerator * y.numerator, x.denominator * y.denominator};
}

std::optional<Fraction> quotient(const Fraction& x, const Fraction& y) {
    if (y.numerator.isZero())
        return std::nullopt;
    return product(x, {y.denominator, y.numerator});
}

// a·10^p over b·10^q is a·10^(p−q) over b, or a over b·10^(q−p): two whole numbers.
std::optional<Fraction> lowestTerms(const Fraction& x) {
    if (x.denominator.isZero())
        return std::nullopt;
    const std::int64_t shift = x.numerator.exponent() - x.denominator.exponent();
    const auto numerator = wholeOf(x.numerator, std::max<std::int64_t>(shift, 0));
    const auto denominator = wholeOf(x.denominator, std::max<std::int64_t>(-shift, 0));
    if (!numerator || !denominator)
        return std::nullopt;
    const Unsigned divisor = greatestCommonDivisor(*numerator, *denominator);
    const bool negative = x.numerator.isNegative() != x.denominator.isNegative();
    return Fraction{exactOf(*numerator / divisor, negative), exactOf(*denominator / divisor, false)};
}

std::optional<MixedNumber> asMixedNumber(const Fraction& x) {
    const std::optional<Fraction> lowest = lowestTerms(x);
    if (!lowest)
        return std::nullopt;
    const Unsigned numerator = *wholeOf(lowest->numerator, lowest->numerator.exponent());
    const Unsigned denominator = *wholeOf(lowest->denominator, lowest->denominator.exponent());
    const bool negative = lowest->numerator.isNegative();
    return MixedNumber{exactOf(numerator / denominator, negative),
                       {exactOf(numerator % denominator, negative), lowest->denominator}};
}

std::string wholeText(const Exact& whole) {
    const std::string digits =
        whole.isZero() ? "0" : whole.digits() + std::string(static_cast<std::size_t>(whole.exponent()), '0');
    return whole.isNegative() ? "-" + digits : digits;
}

std::optional<Reduced> reduce(const Fraction& x) {
    const auto wholeN = x.numerator.integerValue();
    const auto wholeD = x.denominator.integerValue();
    if (!wholeN || !wholeD)
        return std::nullopt;
    // Both sizes are at most 2^53, so std::gcd cannot overflow, and the divisor is a double exactly.
    const std::int64_t divisor = *wholeN == 0 && *wholeD == 0 ? kDivisorOfZeros : std::gcd(*wholeN, *wholeD);
    const double by = static_cast<double>(divisor);
    return Reduced{
        {asWritten(x.numerator.nearestDouble() / by), asWritten(x.denominator.nearestDouble() / by)},
        divisor};
}

std::optional<Exact> wholeResult(const Fraction& x) {
    const auto wholeN = x.numerator.integerValue();
    const auto wholeD = x.denominator.integerValue();
    if (!wholeN || !wholeD || *wholeD == 0 || *wholeN % *wholeD != 0)
        return std::nullopt;
    return asWritten(x.numerator.nearestDouble() / x.denominator.nearestDouble());
}

} // namespace fraction
