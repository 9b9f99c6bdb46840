// Numbers as they stand written, typed by a pupil or written by a screen: the text, which some
// marking rules compare as text ("07" is not "7", "2.0" is not "2"), and the exact number it reads as,
// read once. The screens mark a typed answer by comparing these with what they wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fraction/exact.h"
#include "fraction/fraction_value.h"

namespace screens {

struct Written {
    std::string text;                      // trimmed
    std::optional<fraction::Exact> number; // none for a text that is no number

    // A box's text, read once.
    static Written read(std::string_view text);
    // A number as a screen writes it (its number text).
    static Written of(const fraction::Exact& number);
    bool operator==(const Written&) const = default;
};

// A fraction as it stands written: its two numbers, and the fraction they write when both are numbers.
struct WrittenFraction {
    Written numerator, denominator;

    static WrittenFraction read(std::string_view numerator, std::string_view denominator);
    static WrittenFraction of(const fraction::Fraction& fraction);
    std::optional<fraction::Fraction> value() const;
    bool operator==(const WrittenFraction&) const = default;
};

} // namespace screens
