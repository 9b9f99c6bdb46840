// The number rules every screen shares, on the texts of its widgets: which texts are numbers, how a
// number is written, brackets, the input filter, comparisons of texts by value. The numbers the
// screens compute with are exact values (fraction/exact.h, fraction/fraction_value.h).
// Plain C++: no Qt, so the rules can be tested and fuzzed on their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fraction {

class Exact;

// The text without leading and trailing blanks.
std::string trimmed(std::string_view text);

// True for a numeric text (fraction::readNumber in fraction/exact.h reads them): an optionally
// signed decimal number with an optional exponent, blanks allowed around it: "5", " -3 ", "2.5", ".5",
// "5.", "1e3", "+4". Blanks are spaces and tabs. Not numeric: "", "-", "1e", "1 2", and numbers beyond
// the range of a double, which could never be computed with: "1e999" would read as infinity and
// "1e-999" as a zero that was not typed.
bool isNumeric(std::string_view text);

// The value of a numeric text; 0 for any other text (empty, "-", letters).
double value(std::string_view text);

// The value rounded to the nearest whole number, halves to the even neighbour. Empty when the value is
// not finite or its size is beyond 2^53, where a double no longer holds every whole number: such
// values take part in no divisibility test.
std::optional<std::int64_t> integerValue(double value);

// Rounds halves to the even neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
double roundHalfEven(double value);

// True when the integer value of `dividend` leaves remainder 0 on division by that of `divisor`.
// A divisor whose integer value is 0 (0, 0.4) divides nothing, and a value without an integer
// value is never divisible, so no test ever divides by zero or overflows.
bool divides(double divisor, double dividend);

// The general number format: shortest decimal form with at most 15 significant digits, "-" for
// negatives, no decimal point for whole numbers (6, -2, 2.5). Sizes of 1e15 and more, or below 1e-4,
// are written with an exponent (1E+20). A value beyond the range of a double has no number text and
// is written as the empty text.
std::string numberText(double value);
// The number text of an exact number's nearest double.
std::string numberText(const Exact& number);

// A field's trimmed text, between "(" and ")" when it is numeric with a negative value; otherwise the
// trimmed text unchanged ("-3" gives "(-3)", "4" gives "4", "-" stays "-").
std::string bracketed(std::string_view fieldText);

// The number text of a computed number, between "(" and ")" when it is negative.
std::string bracketedNumber(double value);

// Addition and subtraction use one denominator directly when the two trimmed texts are identical as
// text: "2" and "02" are different denominators.
bool sameDenominator(std::string_view b, std::string_view d);

// The numerator of a mixed number w n/d written as one fraction: d·w + n for n ≥ 0 (−3 and 1/2 gives
// −5), −(d·|w| + |n|) for n < 0, so that a negative numerator makes the whole mixed number negative
// whatever the sign of w (3 and −1/2 gives −7, and so does −3 and −1/2). (The denominator is d's
// trimmed text.)
double mixedNumerator(double whole, double numerator, double denominator);

// Comparison by value, exact: each numeric text is read as the exact decimal it is written as (0.6 is
// six tenths, not the nearest double; fraction::Exact in fraction/exact.h), and the numbers are
// compared exactly, with no rounding at any step. So 0.6 over 0.4 is 6 over 4, and 0.30000000000000001 is not
// 0.3. Any text that is not numeric makes the comparison false. Work and memory grow only with the texts'
// lengths (a ratio multiplies texts two by two, so its work grows with the product of their lengths); nothing
// depends on the size of an exponent, and nothing can overflow.
//
// True when the numeric texts a and b have the same value ("15.0" and "15", "1e1" and "10").
bool sameValue(std::string_view a, std::string_view b);
// True when a/b and c/d are the same number: all four texts numeric, neither b nor d zero, and
// a·d = c·b exactly ("0.6"/"0.4" and "6"/"4"; "6"/"-4" and "-6"/"4").
bool sameRatio(std::string_view a, std::string_view b, std::string_view c, std::string_view d);

// What the input filter leaves in a field after a change: the text itself when it is numeric or
// exactly "-", otherwise the empty text. Arabic-Indic (٠..٩) and Persian (۰..۹) digits are first turned
// into 0..9 and the Arabic decimal separator (٫) into ".", so a pupil with an Arabic keyboard can type
// numbers.
std::string filterInput(std::string_view text);

// Text order: character by character from the left by character code, a text that is the beginning
// of a longer one coming first ("14" before "4", "10" before "7", "7" before "8").
bool textBefore(std::string_view a, std::string_view b);

} // namespace fraction
