// How a sum or a difference of two fractions a/b and c/d is written out step by step. Plain C++ with
// no widgets: the addition and subtraction screens differ only in the rule their settings give.
#pragma once

#include <string>
#include <string_view>

namespace screens {

struct SumRule {
    int sign;                   // +1 adds the second fraction, -1 subtracts it
    std::string_view joiner;    // between the two cross products
    bool bracketedDenominators; // the lower row shows a negative denominator in brackets
};

inline constexpr SumRule kAddition{+1, " + ", false};
inline constexpr SumRule kSubtraction{-1, " - ", true};

// x + y for a sum, x - y for a difference.
double combined(const SumRule& rule, double x, double y);

// The numerator step of the common-denominator row, from the problem's numerator texts and c's
// number: "a + c", each bracketed when negative. A difference is written as the sum with the
// additive inverse of c, which is bracketed unless it is positive: 3 and 1 give "3 + (-1)", 3 and -1
// give "3 + 1", and a second numerator of 0 gives "3 + (0)".
std::string commonNumeratorStep(const SumRule& rule, std::string_view a, std::string_view c, double cNumber);

// The cross products as text, from the bracketed texts of the four numbers: "d×a + c×b".
std::string crossProductStep(const SumRule& rule, std::string_view a, std::string_view b, std::string_view c,
                             std::string_view d);

// The computed cross products "a·d + c·b", each bracketed when negative; empty when either product is
// beyond the range of a double and so has no number text.
std::string productsStep(const SumRule& rule, double ad, double cb);

} // namespace screens
