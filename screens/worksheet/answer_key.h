// The worksheet's answer key, free of widgets: each problem row read from the texts of its boxes and
// answered exactly in simplest form, in texts laid out for a right-to-left row as the sheet reads.
#pragma once

#include <string>
#include <string_view>

namespace screens::worksheet {

// The texts of one mixed number's three boxes: its whole number (empty for none) and its fraction.
struct MixedNumberBoxes {
    std::string whole, numerator, denominator;
};

struct Problem {
    MixedNumberBoxes first;
    std::string_view operation; // "+", "-", "×" or "÷"
    MixedNumberBoxes second;
};

// The answer of a problem that divides by zero.
inline constexpr std::string_view kNoResult = "ليس لها ناتج: قسمة على صفر";

// The problem as the sheet shows it, right to left: each fraction, then its whole number ("6/8 1 + 8/10 1").
// Empty when the row is not a complete problem: a number is either a fraction (both of its boxes
// filled, with or without a whole number) or a whole number alone.
std::string problemText(const Problem& problem);

// The answer in simplest form: the whole number where the result is whole ("4"), otherwise the
// fraction in lowest terms ("3/5") and, beyond 1 in size, the mixed number after it, written as the
// sheet writes one ("25/6 = 1/6 4"); kNoResult for a division by zero; empty for an incomplete row.
std::string answerText(const Problem& problem);

} // namespace screens::worksheet
