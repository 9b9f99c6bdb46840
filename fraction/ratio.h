// Exact arithmetic on the numbers the number rules read: a rational number kept as a numerator over a
// positive denominator in lowest terms, so 2.5 + 1/3 is 17/6 and nothing is ever rounded. Plain C++.
//
// The parts are 128-bit whole numbers. An operation whose result would not fit has no result rather
// than a wrong one; numbers of a few digits, such as the worksheet's boxes hold ("9e9", ".01"), stay
// far inside that range through a mixed number and an operation on two of them.
#pragma once

#include <optional>
#include <string>

#include "fraction/exact.h"

namespace fraction {

class Ratio {
  public:
    __extension__ using Whole = __int128;

    // Zero.
    Ratio() = default;

    // The number a numeric text denotes, exactly (0.25 is 1/4); empty when its parts would not fit.
    static std::optional<Ratio> of(const Exact& number);
    static std::optional<Ratio> read(std::string_view text);

    bool isZero() const { return numerator_ == 0; }
    bool isNegative() const { return numerator_ < 0; }
    bool isWhole() const { return denominator_ == 1; }
    // The absolute value.
    Ratio size() const;
    // The whole part, towards zero (25/6 gives 4, -25/6 gives -4).
    Ratio wholePart() const;

    // The parts as number texts: 25/6 has "25" and "6", -25/6 has "-25" and "6".
    std::string numeratorText() const;
    std::string denominatorText() const;

    friend bool operator==(const Ratio&, const Ratio&) = default;
    // Empty when the result would not fit; a quotient also when the divisor is zero.
    friend std::optional<Ratio> sum(const Ratio& x, const Ratio& y);
    friend std::optional<Ratio> difference(const Ratio& x, const Ratio& y);
    friend std::optional<Ratio> product(const Ratio& x, const Ratio& y);
    friend std::optional<Ratio> quotient(const Ratio& x, const Ratio& y);

  private:
    Ratio(Whole numerator, Whole denominator) : numerator_(numerator), denominator_(denominator) {}
    // In lowest terms with a positive denominator; empty for a zero denominator or beyond the range.
    static std::optional<Ratio> made(Whole numerator, Whole denominator);

    Whole numerator_ = 0;
    Whole denominator_ = 1;
};

std::optional<Ratio> sum(const Ratio& x, const Ratio& y);
std::optional<Ratio> difference(const Ratio& x, const Ratio& y);
std::optional<Ratio> product(const Ratio& x, const Ratio& y);
std::optional<Ratio> quotient(const Ratio& x, const Ratio& y);

} // namespace fraction
