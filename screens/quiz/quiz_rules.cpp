#include "screens/quiz/quiz_rules.h"

#include <cmath>

#include "fraction/fraction.h"
#include "screens/common/rewards.h"

namespace screens::quiz {

Completion complete(WholeRule rule, std::string_view n, std::string_view d) {
    const fraction::Reduction reduction = fraction::reduce(n, d);
    Completion done{reduction.numerator, reduction.denominator, fraction::wholeNumberResult(n, d)};
    // The numerator test drops a reduction that changed nothing (also N = 0); under reduced-or-whole
    // a whole number replaces the reduced pair.
    const bool wholeReplacesReduced = rule == WholeRule::ReducedOrWhole && !done.whole.empty();
    if (wholeReplacesReduced || done.reducedNumerator == fraction::trimmed(n)) {
        done.reducedNumerator.clear();
        done.reducedDenominator.clear();
    }
    done.asksReduced = !done.reducedNumerator.empty();
    done.asksWhole = !done.whole.empty() && (rule == WholeRule::ReducedOrWhole || done.asksReduced);
    if (fraction::value(n) == 0)
        done.asksWhole = true;
    return done;
}

namespace {

// A box that must be read as a number: numeric text only (not empty, blanks or a lone "-").
bool readable(std::string_view text) { return fraction::isNumeric(text); }

bool readablePair(Pair typed) {
    return readable(typed.numerator) && readable(typed.denominator) &&
           fraction::value(typed.denominator) != 0;
}

double quotient(Pair pair) { return fraction::value(pair.numerator) / fraction::value(pair.denominator); }

bool sameText(std::string_view typed, std::string_view expected) {
    return readable(typed) && fraction::trimmed(typed) == fraction::trimmed(expected);
}

} // namespace

// Comparisons by value are exact, so a typed decimal counts by its value: 0.6 over 0.4 is 6 over 4,
// though 0.6 / 0.4 is 1.4999999999999998 in binary floating point.
bool isRight(Comparison kind, Pair typed, Pair expected) {
    switch (kind) {
    case Comparison::FractionValue:
        return readablePair(typed) && fraction::sameRatio(typed.numerator, typed.denominator,
                                                          expected.numerator, expected.denominator);
    case Comparison::FractionSize:
        return readablePair(typed) && std::abs(quotient(typed)) == std::abs(quotient(expected));
    case Comparison::NumberValue:
        return readable(typed.numerator) && fraction::sameValue(typed.numerator, expected.numerator);
    case Comparison::NumberSize:
        return readable(typed.numerator) &&
               std::abs(fraction::value(typed.numerator)) == std::abs(fraction::value(expected.numerator));
    case Comparison::WholeText:
        return sameText(typed.numerator, expected.numerator) &&
               (expected.denominator.empty() || sameText(typed.denominator, expected.denominator));
    case Comparison::UnitOverWhole:
        return readable(typed.numerator) && fraction::sameValue(typed.numerator, "1") &&
               !fraction::trimmed(typed.denominator).empty() &&
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
