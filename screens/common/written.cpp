#include "screens/common/written.h"

#include "fraction/fraction.h"

namespace screens {

Written Written::read(std::string_view text) {
    return {fraction::trimmed(text), fraction::Exact::read(text)};
}

Written Written::of(const fraction::Exact& number) { return {fraction::numberText(number), number}; }

WrittenFraction WrittenFraction::read(std::string_view numerator, std::string_view denominator) {
    return {Written::read(numerator), Written::read(denominator)};
}

WrittenFraction WrittenFraction::of(const fraction::Fraction& fraction) {
    return {Written::of(fraction.numerator), Written::of(fraction.denominator)};
}

std::optional<fraction::Fraction> WrittenFraction::value() const {
    if (!numerator.number || !denominator.number)
        return std::nullopt;
    return fraction::Fraction{*numerator.number, *denominator.number};
}

} // namespace screens
