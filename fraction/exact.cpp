// The exact number type: a numeric text read as the exact decimal it is written as.
#include "fraction/exact.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "fraction/scanning.h"

namespace fraction {
namespace {

using scanning::isDigit;
using scanning::trimmedView;

// An exponent's digits, with its size capped at kExponentCap. A text whose exponent reaches the cap is
// either zero (whose exponent does not matter) or a number beyond the range of a double, which is
// not numeric; so the cap changes no result, and keeps the sums below from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

constexpr std::int64_t kLargestWhole = 9'007'199'254'740'992; // 2^53
constexpr std::size_t kLargestWholeDigits = 16;

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

// The magnitude of a number lined up on `exponent` (at most the number's own): its digits followed by
// as many zeros as the line lies below its exponent.
std::string digitsAt(const Exact& number, std::int64_t exponent) {
    return number.digits() + std::string(static_cast<std::size_t>(number.exponent() - exponent), '0');
}

// Sums and differences of magnitudes written as decimal digits, the larger first for a difference.
std::string addDigits(const std::string& a, const std::string& b) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int digit = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) +
                          (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        sum += static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return sum;
}

std::string subtractDigits(const std::string& larger, const std::string& smaller) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < larger.size(); ++i) {
        int digit = larger[larger.size() - 1 - i] - '0' - borrow -
                    (i < smaller.size() ? smaller[smaller.size() - 1 - i] - '0' : 0);
        borrow = digit < 0 ? 1 : 0;
        difference += static_cast<char>('0' + digit + 10 * borrow);
    }
    std::reverse(difference.begin(), difference.end());
    return difference;
}

} // namespace

// std::from_chars reads the same forms in every locale, but refuses a "+" and also accepts "inf" and
// "nan", so the sign is taken here and the rest must start with a digit or a point. A number beyond
// the range of a double is refused in both directions.
std::optional<double> readNumber(std::string_view text) {
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

void Exact::normalise() {
    const auto last = digits_.find_last_not_of('0');
    const std::size_t zeros = last == std::string::npos ? digits_.size() : digits_.size() - last - 1;
    digits_.resize(digits_.size() - zeros);
    exponent_ += static_cast<std::int64_t>(zeros);
    if (isZero())
        *this = {};
}

std::optional<Exact> Exact::read(std::string_view text) {
    if (!readNumber(text))
        return std::nullopt;
    std::string_view rest = trimmedView(text);
    Exact number;
    number.negative_ = rest.starts_with('-');
    if (number.negative_ || rest.starts_with('+'))
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
        if (!number.digits_.empty() || rest[at] != '0')
            number.digits_ += rest[at];
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
    number.exponent_ = exponent - fractionDigits;
    number.normalise();
    return number;
}

Exact Exact::of(std::int64_t whole) {
    Exact number;
    number.negative_ = whole < 0;
    // The size as unsigned, which holds the size of the smallest int64 too.
    const std::uint64_t size =
        whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : static_cast<std::uint64_t>(whole);
    number.digits_ = size == 0 ? std::string() : std::to_string(size);
    number.normalise();
    return number;
}

Exact Exact::size() const {
    Exact result = *this;
    result.negative_ = false;
    return result;
}

std::strong_ordering compareSize(const Exact& x, const Exact& y) {
    if (x.isZero() || y.isZero())
        return !x.isZero() <=> !y.isZero();
    // The place of the leading digit first (the digits have no leading zeros), then the digits from
    // the left; with no trailing zeros, a number whose digits begin another's is the smaller.
    const Exact a = x.size(), b = y.size();
    const std::string_view ad = a.digits_, bd = b.digits_;
    const std::int64_t aLead = static_cast<std::int64_t>(ad.size()) + a.exponent_;
    const std::int64_t bLead = static_cast<std::int64_t>(bd.size()) + b.exponent_;
    if (aLead != bLead)
        return aLead <=> bLead;
    return ad.compare(bd) <=> 0;
}

std::strong_ordering operator<=>(const Exact& x, const Exact& y) {
    if (x.negative_ != y.negative_)
        return y.negative_ <=> x.negative_; // zero is never negative
    return x.negative_ ? compareSize(y, x) : compareSize(x, y);
}

Exact operator*(const Exact& x, const Exact& y) {
    if (x.isZero() || y.isZero())
        return {};
    Exact result;
    result.negative_ = x.negative_ != y.negative_;
    result.digits_ = digitsOf(product(limbsOf(x.digits_), limbsOf(y.digits_)));
    result.exponent_ = x.exponent_ + y.exponent_;
    result.normalise();
    return result;
}

Exact Exact::operator-() const {
    Exact negated = *this;
    negated.negative_ = !isZero() && !negative_;
    return negated;
}

Exact operator+(const Exact& x, const Exact& y) {
    if (x.isZero() || y.isZero())
        return x.isZero() ? y : x;
    const std::int64_t exponent = std::min(x.exponent_, y.exponent_);
    const std::string a = digitsAt(x, exponent), b = digitsAt(y, exponent);
    Exact result;
    result.exponent_ = exponent;
    if (x.negative_ == y.negative_) {
        result.negative_ = x.negative_;
        result.digits_ = addDigits(a, b);
    } else {
        const bool xLarger = std::is_gt(compareSize(x, y));
        result.negative_ = xLarger ? x.negative_ : y.negative_;
        result.digits_ = xLarger ? subtractDigits(a, b) : subtractDigits(b, a);
    }
    const auto first = result.digits_.find_first_not_of('0');
    result.digits_.erase(0, first == std::string::npos ? result.digits_.size() : first);
    result.normalise();
    return result;
}

Exact operator-(const Exact& x, const Exact& y) { return x + -y; }

double Exact::nearestDouble() const {
    if (isZero())
        return 0.0;
    // std::from_chars rounds correctly, so the digits and exponent give the double that the text
    // itself reads as. Beyond the range of a double (only products can be) it gives infinity or 0.
    const std::string text = digits_ + "e" + std::to_string(exponent_);
    double number = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc::result_out_of_range)
        number = exponent_ > 0 ? HUGE_VAL : 0.0;
    return negative_ ? -number : number;
}

std::optional<std::int64_t> Exact::integerValue() const {
    if (isZero())
        return 0;
    const std::int64_t wholeDigits = static_cast<std::int64_t>(digits_.size()) + exponent_;
    if (wholeDigits > static_cast<std::int64_t>(kLargestWholeDigits))
        return std::nullopt;
    std::int64_t whole = 0;
    for (std::int64_t i = 0; i < wholeDigits; ++i) {
        const auto at = static_cast<std::size_t>(i);
        whole = whole * 10 + (at < digits_.size() ? digits_[at] - '0' : 0);
    }
    // The digits after the point: below a half, a half, or above it (the digits have no trailing zeros).
    if (wholeDigits >= 0 && static_cast<std::size_t>(wholeDigits) < digits_.size()) {
        const std::string_view fraction =
            std::string_view(digits_).substr(static_cast<std::size_t>(wholeDigits));
        const bool half = fraction == "5";
        if ((fraction[0] >= '5' && !half) || (half && whole % 2 != 0))
            ++whole;
    }
    if (whole > kLargestWhole)
        return std::nullopt;
    return negative_ ? -whole : whole;
}

bool sameRatio(const Exact& a, const Exact& b, const Exact& c, const Exact& d) {
    return !b.isZero() && !d.isZero() && a * d == c * b;
}

bool sameRatioSize(const Exact& a, const Exact& b, const Exact& c, const Exact& d) {
    return !b.isZero() && !d.isZero() && std::is_eq(compareSize(a * d, c * b));
}

} // namespace fraction
