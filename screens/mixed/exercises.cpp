#include "screens/mixed/exercises.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "fraction/fraction.h"

namespace screens::mixed {

using fraction::numberText;

namespace {

// The multiplier the exercise-2 cycle starts from and falls back to after a wrap.
constexpr int kFirstMultiplier = 2;

Exact plus(const Exact& number, std::int64_t whole) { return number + Exact::of(whole); }

Marking withTotalPossible(Marking marking) {
    marking.push_back({Count::TotalPossible, 2});
    return marking;
}

} // namespace

Exact remainder(const Exact& dividend, int divisor) {
    // The cycles hold small whole numbers; one too large to have an integer value would count as 0.
    return Exact::of(dividend.integerValue().value_or(0) % divisor);
}

MixedNumber firstMixedNumber() { return {Exact::of(2), Fraction::of(1, 3)}; }

MixedNumber nextMixedNumber(const MixedNumber& current) {
    Exact numerator = remainder(plus(current.part.numerator, 1), 8);
    Exact denominator = remainder(plus(current.part.denominator, 1), 11);
    Exact whole = remainder(plus(current.whole, 1), 7);
    // Compared as text, as the captions show them, so "7" is not below "10" and "2" is not below "0".
    if (!fraction::textBefore(numberText(numerator), numberText(denominator)))
        numerator = plus(denominator, -5);
    if (whole.isZero())
        whole = Exact::of(1);
    if (numerator.isZero())
        numerator = Exact::of(1);
    if (denominator.isZero())
        denominator = Exact::of(2);
    if (numerator.size() == denominator)
        denominator = plus(denominator, 1);
    return {whole, {numerator, denominator}};
}

Fraction asFraction(const MixedNumber& number) {
    const Fraction& part = number.part;
    if (part.numerator.isNegative())
        return {-(part.denominator * number.whole.size() + part.numerator.size()), part.denominator};
    return {part.denominator * number.whole + part.numerator, part.denominator};
}

SimplestForm firstSimplestForm() {
    return {Fraction::of(10, 15), Fraction::of(2, 3), Exact::of(kFirstMultiplier)};
}

int readMultiplier(const Exact& multiplier) {
    const std::optional<std::int64_t> whole = multiplier.integerValue();
    // Only this screen makes the multiplier, from 2 to 10; a value no 16-bit number holds restarts
    // the cycle instead of overflowing.
    if (!whole || *whole < std::numeric_limits<std::int16_t>::min() ||
        *whole > std::numeric_limits<std::int16_t>::max())
        return kFirstMultiplier;
    return static_cast<int>(*whole);
}

SimplestForm nextSimplestForm(const SimplestForm& current) {
    const int factor = readMultiplier(current.multiplier);
    Exact numerator = plus(current.answer.numerator, 1) * Exact::of(factor);
    Exact denominator = plus(current.answer.denominator, 2) * Exact::of(factor);
    int nextFactor = (factor + 1) % 11;
    if (nextFactor == 0 || nextFactor == 1)
        nextFactor = kFirstMultiplier;
    if (numerator > Exact::of(100) && denominator > Exact::of(100)) {
        numerator = plus(numerator, -100);
        denominator = plus(denominator, -100);
    }
    const Fraction question{numerator, denominator};
    // The questions are whole numbers far below 2^53, which always reduce.
    const std::optional<fraction::Reduced> reduced = fraction::reduce(question);
    return {question, reduced ? reduced->fraction : question, Exact::of(nextFactor)};
}

Fraction firstGivenFraction() { return Fraction::of(5, 3); }

Fraction nextGivenFraction(const Fraction& given) {
    Exact numerator = remainder(plus(given.numerator, 1), 12);
    Exact denominator = remainder(plus(given.denominator, 1), 15);
    if (denominator.isZero())
        denominator = Exact::of(2);
    if (numerator.isZero())
        numerator = Exact::of(1);
    return {numerator, denominator};
}

Fraction multiple(const Fraction& fraction, int factor) {
    return {fraction.numerator * Exact::of(factor), fraction.denominator * Exact::of(factor)};
}

Marking markMixedNumber(const Fraction& expected, const Answer& typed) {
    if (!typed.value())
        return withTotalPossible({{Count::Possible, 2}});
    const Answer shown = Answer::of(expected);
    Marking marking;
    for (const bool right :
         {shown.numerator.text == typed.numerator.text, shown.denominator.text == typed.denominator.text}) {
        if (right)
            marking.insert(marking.end(),
                           {{Count::Earned, 1}, {Count::Possible, 1}, {Count::TotalEarned, 1}});
        else
            marking.push_back({Count::Possible, 1});
    }
    return withTotalPossible(marking);
}

Marking markSimplestForm(const SimplestForm& question, const Answer& typed) {
    // An equal fraction with the question's numerator or a larger one is not reduced at all.
    const std::optional<Fraction> value = typed.value();
    const bool reduced = value && fraction::sameValue(*value, question.answer) &&
                         value->numerator < question.question.numerator;
    if (!reduced)
        return withTotalPossible({{Count::Possible, 2}});
    if (typed.numerator.text == numberText(question.answer.numerator))
        return withTotalPossible({{Count::Earned, 2}, {Count::Possible, 2}, {Count::TotalEarned, 2}});
    return withTotalPossible({{Count::Earned, 1}, {Count::TotalEarned, 1}, {Count::Possible, 2}});
}

// The same number, compared exactly: a typed decimal counts by its value (1.5 over 0.9 is 5 over 3). A
// typed text that is not a number, or a zero denominator, is never the same fraction.
bool isEqualFraction(const Answer& typed, const Fraction& given) {
    const std::optional<Fraction> value = typed.value();
    return value && fraction::sameValue(*value, given) && typed.numerator.text != numberText(given.numerator);
}

bool earnsTotalReward(double totalEarned) { return std::fmod(fraction::roundHalfEven(totalEarned), 4) == 0; }

std::optional<Answer> doubledToKeepApart(const Answer& changed, const Answer& other) {
    // Doubling a zero numerator leaves the two equal, and the pairs would double each other for ever.
    const std::optional<Fraction> value = other.value();
    if (changed.numerator.text != other.numerator.text || !value || value->numerator.isZero())
        return std::nullopt;
    return Answer::of(multiple(*value, 2));
}

} // namespace screens::mixed
