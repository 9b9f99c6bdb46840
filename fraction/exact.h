// The exact number type of the number rules: a numeric text read once, as the exact decimal it is
// written as (0.6 is six tenths, not the nearest double), and the reading of a numeric text itself,
// which every rule calls. Every comparison, the reduction and the fractions (fraction_value.h) use it.
// Plain C++: no Qt.
//
// Work and memory grow only with the texts' lengths: a number keeps its written digits and an
// exponent, so "1e308" is one digit and an exponent, never 309 digits; a product multiplies digits
// two by two, so its work grows with the product of the lengths. A sum lines the two numbers' digits
// up, so its work grows with the distance between their exponents as well, which the range of the
// numbers read (that of a double) bounds. Nothing can overflow.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fraction {

// The one reading of a numeric text: an optionally signed decimal number with an optional exponent,
// blanks around it allowed ("5", " -3 ", "2.5", ".5", "5.", "1e3", "+4"), read as the nearest double.
// Empty for any other text ("", "-", "1e", "1 2") and for numbers beyond the range of a double,
// which could never be computed with: "1e999" would read as infinity and "1e-999" as a zero that was
// not typed. (fraction::isNumeric and fraction::value are this reading.)
std::optional<double> readNumber(std::string_view text);

class Exact {
  public:
    // The number of a numeric text (the texts readNumber reads); empty for any other text ("", "-",
    // "1e999").
    static std::optional<Exact> read(std::string_view text);
    // A whole number.
    static Exact of(std::int64_t whole);

    bool isZero() const { return digits_.empty(); }
    bool isNegative() const { return negative_; }
    // The absolute value.
    Exact size() const;
    // The number is (−1)^isNegative() · digits() · 10^exponent(), its digits without leading or
    // trailing zeros ("2.50" has the digits "25" and the exponent -1).
    const std::string& digits() const { return digits_; }
    std::int64_t exponent() const { return exponent_; }

    // By value: "15.0" and "1.5e1" are equal, -0 is 0.
    friend bool operator==(const Exact&, const Exact&) = default;
    friend std::strong_ordering operator<=>(const Exact& x, const Exact& y);
    // The sum, difference and product, exactly.
    friend Exact operator+(const Exact& x, const Exact& y);
    friend Exact operator-(const Exact& x, const Exact& y);
    friend Exact operator*(const Exact& x, const Exact& y);
    Exact operator-() const;
    friend std::strong_ordering compareSize(const Exact& x, const Exact& y);

    // The nearest double (the value the text reads as with fraction::value).
    double nearestDouble() const;
    // The value rounded to the nearest whole number, halves to the even neighbour; empty when its size
    // is beyond 2^53, where the number rules no longer test divisibility (see fraction::integerValue).
    std::optional<std::int64_t> integerValue() const;
    // True for a whole number (no digit after the point).
    bool isWhole() const { return exponent_ >= 0; }

  private:
    // (−1)^negative_ · digits_ · 10^exponent_, the digits without leading or trailing zeros, so that
    // equal numbers have equal parts. Zero has no digits, no sign and exponent 0.
    bool negative_ = false;
    std::string digits_;
    std::int64_t exponent_ = 0;

    void normalise();
};

// By size, the sign not counting: 3 and -3 have the same size, and -4 is larger than 3.
std::strong_ordering compareSize(const Exact& x, const Exact& y);

// True when a/b and c/d are the same number: neither b nor d zero, and a·d = c·b exactly.
bool sameRatio(const Exact& a, const Exact& b, const Exact& c, const Exact& d);
// True when a/b and c/d have the same size: neither b nor d zero, and |a·d| = |c·b| exactly.
bool sameRatioSize(const Exact& a, const Exact& b, const Exact& c, const Exact& d);

} // namespace fraction
