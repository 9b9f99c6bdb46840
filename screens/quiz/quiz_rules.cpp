#include "screens/quiz/quiz_rules.h"

#include <compare>
#include <cmath>
#include <optional>

#include "fraction/exact.h"
#include "fraction/fraction.h"
#include "fraction/fraction_value.h"
#include "screens/common/rewards.h"

namespace screens::quiz {

Completion complete(WholeRule rule, std::string_view n, std::string_view d) {
    const std::optional<fraction::Fraction> result = fraction::Fraction::read(n, d);
    const auto reduced = result ? fraction::reduce(*result) : std::nullopt;
    const auto whole = result ? fraction::wholeResult(*result) : std::nullopt;
    Completion done{reduced ? fraction::numberText(reduced->fraction.numerator) : std::string(),
                    reduced ? fraction::numberText(reduced->fraction.denominator) : std::string(),
                    whole ? fraction::numberText(*whole) : std::string()};
    // The numerator test drops a reduction that changed nothing (also N = 0); under reduced-or-whole
    // a whole number replaces the reduced pair.
    const bool wholeReplacesReduced = rule == WholeRule::ReducedOrWhole && !done.whole.empty();
    if (wholeReplacesReduced || done.reducedNumerator == fraction::trimmed(n)) {
        done.reducedNumerator.clear();
        done.reducedDenominator.clear();
    }
    done.asksReduced = !done.reducedNumerator.empty();
    done.asksWhole = !done.whole.empty() && (rule == WholeRule::ReducedOrWhole || done.asksReduced);
    // A zero result (or a text that is no number) asks for the whole box.
    const std::optional<fraction::Exact> numerator = fraction::Exact::read(n);
    if (!numerator || numerator->isZero())
        done.asksWhole = true;
    return done;
}

namespace {

// A box that must be read as a number: numeric text only (not empty, blanks or a lone "-"). Each box
// is read once, as the exact number it is written as.
using Number = std::optional<fraction::Exact>;
Number read(std::string_view text) { return fraction::Exact::read(text); }

// Both boxes read, and a denominator that is not zero.
bool readablePair(const Number& numerator, const Number& denominator) {
    return numerator && denominator && !denominator->isZero();
}

bool sameText(std::string_view typed, std::string_view expected) {
    return fraction::isNumeric(typed) && fraction::trimmed(typed) == fraction::trimmed(expected);
}

} // namespace

// Comparisons by value and by size are exact, so a typed decimal counts by its value: 0.6 over 0.4 is
// 6 over 4, though 0.6 / 0.4 is 1.4999999999999998 in binary floating point, and 3 over 0.9 has the
// size of 10 over 3, though 3 / 0.9 is 3.333333333333333 and 10 / 3 is 3.3333333333333335.
bool isRight(Comparison kind, Pair typed, Pair expected) {
    switch (kind) {
    case Comparison::FractionValue:
    case Comparison::FractionSize: {
        const Number n = read(typed.numerator), d = read(typed.denominator);
        const Number en = read(expected.numerator), ed = read(expected.denominator);
        if (!readablePair(n, d) || !readablePair(en, ed))
            return false;
        return kind == Comparison::FractionValue ? fraction::sameRatio(*n, *d, *en, *ed)
                                                 : fraction::sameRatioSize(*n, *d, *en, *ed);
    }
    case Comparison::NumberValue:
    case Comparison::NumberSize: {
        const Number n = read(typed.numerator), en = read(expected.numerator);
        if (!n || !en)
            return false;
        return kind == Comparison::NumberValue ? *n == *en : std::is_eq(fraction::compareSize(*n, *en));
    }
    case Comparison::WholeText:
        return sameText(typed.numerator, expected.numerator) &&
               (expected.denominator.empty() || sameText(typed.denominator, expected.denominator));
    case Comparison::UnitOverWhole:
        return fraction::sameValue(typed.numerator, "1") && !fraction::trimmed(typed.denominator).empty() &&
               fraction::trimmed(typed.denominator) == fraction::trimmed(expected.denominator);
    }
    return false;
}

bool earnsStar(double right, double attempts, bool everyFourthGate) {
    if (attempts == 0)
        return false;
    if (everyFourthGate && std::fmod(fraction::roundHalfEven(attempts), 4) != 0)
        return false;
    return rewards::aboveFourFifths(right, attempts);
}

} // namespace screens::quiz
