// The reduction and the whole-number result of two texts as a screen writes them, for the number
// rules' tests and their fuzz target: the number texts of the reduced pair and the divisor, empty
// texts and divisor 0 where there is none; the whole number's text, or the empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fraction/fraction.h"
#include "fraction/fraction_value.h"

namespace written {

struct Reduction {
    std::string numerator, denominator;
    std::int64_t divisor = 0;
};

inline Reduction reductionOf(std::string_view numerator, std::string_view denominator) {
    const auto fraction = fraction::Fraction::read(numerator, denominator);
    const auto reduced = fraction ? fraction::reduce(*fraction) : std::nullopt;
    if (!reduced)
        return {};
    return {fraction::numberText(reduced->fraction.numerator),
            fraction::numberText(reduced->fraction.denominator), reduced->divisor};
}

inline std::string wholeResultOf(std::string_view numerator, std::string_view denominator) {
    const auto fraction = fraction::Fraction::read(numerator, denominator);
    const auto whole = fraction ? fraction::wholeResult(*fraction) : std::nullopt;
    return whole ? fraction::numberText(*whole) : std::string();
}

} // namespace written
