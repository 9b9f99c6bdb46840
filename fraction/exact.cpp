// Comparison by value, exact: a numeric text read as the exact decimal it is written as.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fraction/fraction.h"
#include "fraction/scanning.h"

namespace fraction {
namespace {

using scanning::isDigit;
using scanning::trimmedView;

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

} // namespace fraction
