#include "screens/mixed/exercises.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "fraction/exact.h"
#include "fraction/fraction.h"
#include "fraction/fraction_value.h"

namespace screens::mixed {

using fraction::isNumeric;
using fraction::numberText;

namespace {

// The multiplier the exercise-2 cycle starts from and falls back to after a wrap.
constexpr int kFirstMultiplier = 2;

Marking withTotalPossible(Marking marking) {
    marking.push_back({Count::TotalPossible, 2});
    return marking;
}

// The same number, compared exactly: a typed decimal counts by its value (0.3 over 0.1 is 3 over 1).
// A typed text that is not a number, or a zero denominator, is never the same fraction.
bool isSameFraction(const FractionText& typed, const FractionText& expected) {
    return fraction::sameRatio(typed.numerator, typed.denominator, expected.numerator, expected.denominator);
}

} // namespace

double remainder(double dividend, int divisor) {
    return std::fmod(fraction::roundHalfEven(dividend), divisor);
}

MixedNumber nextMixedNumber(const MixedNumber& current) {
    double numerator = remainder(current.numerator + 1, 8);
    double denominator = remainder(current.denominator + 1, 11);
    double whole = remainder(current.whole + 1, 7);
    // Compared as the captions read, so "7" is not below "10" and "2" is not below "0".
    if (!fraction::textBefore(numberText(numerator), numberText(denominator)))
        numerator = denominator - 5;
    if (whole == 0)
        whole = 1;
    if (numerator == 0)
        numerator = 1;
    if (denominator == 0)
        denominator = 2;
    if (std::fabs(numerator) == denominator)
        denominator += 1;
    return {whole, numerator, denominator};
}

FractionText asFraction(const MixedNumber& number) {
    const double numerator = fraction::mixedNumerator(number.whole, number.numerator, number.denominator);
    return {numberText(numerator), numberText(number.denominator)};
}

int readMultiplier(double multiplier) {
    const double whole = fraction::roundHalfEven(multiplier);
    // Only this screen writes the multiplier, from 2 to 10; a value no 16-bit number holds restarts
    // the cycle instead of overflowing.
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return kFirstMultiplier;
    return static_cast<int>(whole);
}

SimplestForm nextSimplestForm(const Fraction& previousAnswer, double multiplier) {
    const int factor = readMultiplier(multiplier);
    double numerator = (previousAnswer.numerator + 1) * factor;
    double denominator = (previousAnswer.denominator + 2) * factor;
    int nextFactor = (factor + 1) % 11;
    if (nextFactor == 0 || nextFactor == 1)
        nextFactor = kFirstMultiplier;
    if (numerator > 100 && denominator > 100) {
        numerator -= 100;
        denominator -= 100;
    }
    const FractionText question{numberText(numerator), numberText(denominator)};
    const auto written = fraction::Fraction::read(question.numerator, question.denominator);
    const auto reduced = written ? fraction::reduce(*written) : std::nullopt;
    return {question,
            {reduced ? numberText(reduced->fraction.numerator) : std::string(),
             reduced ? numberText(reduced->fraction.denominator) : std::string()},
            numberText(nextFactor)};
}

Fraction nextGivenFraction(const Fraction& given) {
    double numerator = remainder(given.numerator + 1, 12);
    double denominator = remainder(given.denominator + 1, 15);
    if (denominator == 0)
        denominator = 2;
    if (numerator == 0)
        numerator = 1;
    return {numerator, denominator};
}

Fraction multiple(const Fraction& fraction, int factor) {
    return {fraction.numerator * factor, fraction.denominator * factor};
}

Marking markMixedNumber(const FractionText& expected, const FractionText& typed) {
    if (!isNumeric(typed.numerator) || !isNumeric(typed.denominator))
        return withTotalPossible({{Count::Possible, 2}});
    Marking marking;
    for (const bool right :
         {expected.numerator == typed.numerator, expected.denominator == typed.denominator}) {
        if (right)
            marking.insert(marking.end(),
                           {{Count::Earned, 1}, {Count::Possible, 1}, {Count::TotalEarned, 1}});
        else
            marking.push_back({Count::Possible, 1});
    }
    return withTotalPossible(marking);
}

Marking markSimplestForm(double questionNumerator, const FractionText& answer, const FractionText& typed) {
    // An equal fraction with the question's numerator or a larger one is not reduced at all. (The same
    // fraction means a numeric numerator.)
    const bool reduced = isSameFraction(typed, answer) &&
                         fraction::Exact::read(typed.numerator)->nearestDouble() < questionNumerator;
    if (!reduced)
        return withTotalPossible({{Count::Possible, 2}});
    if (typed.numerator == answer.numerator)
        return withTotalPossible({{Count::Earned, 2}, {Count::Possible, 2}, {Count::TotalEarned, 2}});
    return withTotalPossible({{Count::Earned, 1}, {Count::TotalEarned, 1}, {Count::Possible, 2}});
}

bool isEqualFraction(const FractionText& typed, const FractionText& given) {
    return isSameFraction(typed, given) && typed.numerator != given.numerator;
}

bool earnsTotalReward(double totalEarned) { return std::fmod(fraction::roundHalfEven(totalEarned), 4) == 0; }

bool mustDoubleOther(std::string_view changedNumerator, std::string_view otherNumerator) {
    // Doubling a zero numerator leaves the two equal, and the pairs would double each other for ever.
    if (changedNumerator != otherNumerator)
        return false;
    const std::optional<fraction::Exact> number = fraction::Exact::read(otherNumerator);
    return number && !number->isZero();
}

} // namespace screens::mixed
