// Fractions and mixed numbers as exact values: the one type of a fraction from the moment a screen
// makes a problem to the moment it marks the answer, and of a mixed number. A fraction's numerator
// and denominator are exact numbers (fraction/exact.h), kept as written or made: 6 over 8 stays 6
// over 8 until it is reduced. Plain C++: no Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fraction/exact.h"

namespace fraction {

struct Fraction {
    Exact numerator;
    Exact denominator = Exact::of(1);

    // The fraction two numeric texts write; empty when either is not numeric.
    static std::optional<Fraction> read(std::string_view numerator, std::string_view denominator);
    static Fraction of(std::int64_t numerator, std::int64_t denominator = 1);

    // As written: 6/8 and 3/4 are two fractions of one value (see sameValue).
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// A mixed number: a whole number and a fraction (2 and 1/3). How its parts make one number differs
// from screen to screen, and each says so where it joins them.
struct MixedNumber {
    Exact whole;
    Fraction part;
    friend bool operator==(const MixedNumber&, const MixedNumber&) = default;
};

// The same number: neither denominator zero, and a·d = c·b exactly ("0.6"/"0.4" and "6"/"4").
bool sameValue(const Fraction& x, const Fraction& y);
// The same size, the sign not counting: neither denominator zero, and |a·d| = |c·b| exactly.
bool sameSize(const Fraction& x, const Fraction& y);

// Exact and not reduced: a/b + c/d is (a·d + c·b)/(b·d), a/b × c/d is (a·c)/(b·d), a/b ÷ c/d is
// (a·d)/(b·c), empty when c is zero.
Fraction sum(const Fraction& x, const Fraction& y);
Fraction difference(const Fraction& x, const Fraction& y);
Fraction product(const Fraction& x, const Fraction& y);
std::optional<Fraction> quotient(const Fraction& x, const Fraction& y);

// The same number in lowest terms, whole numbers over a positive denominator (2.5/0.75 is 10/3);
// empty for a zero denominator, and where a part would not fit in 128 bits (38 digits fit).
std::optional<Fraction> lowestTerms(const Fraction& x);

// The fraction in lowest terms as a mixed number: the whole part, towards zero, and the rest, with
// the fraction's sign (25/6 is 4 and 1/6, -25/6 is -4 and -1/6); empty where lowestTerms is.
std::optional<MixedNumber> asMixedNumber(const Fraction& x);

// A whole number written out in full, every digit (where the number text writes 1E+20).
std::string wholeText(const Exact& whole);

// The reduction of the number rules: N and D divided by the greatest common divisor of their integer
// values, however large (200/400 gives 1/2 by 200, 120/-240 gives 1/-2 by 120, 0/6 gives 0/1 by 6).
// When both integer values are 0 every divisor divides both, and the divisor is 100 (0/0.4 gives
// 0/0.004). Empty for values without an integer value (beyond 2^53): they take part in no
// divisibility test. The integer values are those of the numbers as written, read exactly:
// 2.5000000000000001 has the integer value 3, and 9007199254740993 has none, though their doubles are
// 2.5 and 2^53. Each reduced part is the number its number text writes for the value divided by the
// divisor (numberText), as the screens show it.
struct Reduced {
    Fraction fraction;
    std::int64_t divisor = 0;
};
std::optional<Reduced> reduce(const Fraction& x);

// The whole-number result: N ÷ D, as numberText writes it, when the integer value of N is divisible
// by that of D (integer values as for the reduction); empty otherwise.
std::optional<Exact> wholeResult(const Fraction& x);

} // namespace fraction
