#include "screens/quiz/quiz_rules.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <utility>

#include "fraction/exact.h"
#include "fraction/fraction.h"
#include "screens/common/rewards.h"

namespace screens::quiz {

Problem Problem::of(int a, int b, int c, int d) {
    return {fraction::Fraction::of(a, b), fraction::Fraction::of(c, d)};
}

Completion complete(WholeRule rule, const fraction::Fraction& result) {
    const std::optional<fraction::Reduced> reduction = fraction::reduce(result);
    Completion done{.reduced = reduction ? std::optional(reduction->fraction) : std::nullopt,
                    .whole = fraction::wholeResult(result)};
    // The numerator test drops a reduction whose numerator is written as N is (nothing was reduced,
    // or N is 0); under reduced-or-whole a whole number replaces the reduced pair.
    const bool wholeReplacesReduced = rule == WholeRule::ReducedOrWhole && done.whole;
    if (done.reduced && (wholeReplacesReduced || fraction::numberText(done.reduced->numerator) ==
                                                     fraction::numberText(result.numerator)))
        done.reduced.reset();
    // A zero result always asks for the whole box.
    done.asksWhole = result.numerator.isZero() ||
                     (done.whole && (rule == WholeRule::ReducedOrWhole || done.asksReduced()));
    return done;
}

bool Completion::asks(Term box) const {
    switch (box) {
    case Term::ReducedNumerator:
    case Term::ReducedDenominator:
        return asksReduced();
    case Term::Whole:
        return asksWhole;
    default:
        return true;
    }
}

bool runs(const Guard& guard, const Completion& completion) {
    return completion.asks(guard.shown) && (guard.hidden == Term::None || !completion.asks(guard.hidden));
}

std::optional<fraction::Exact> WorkedProblem::value(Term term) const {
    const std::optional<fraction::Fraction>& reduced = completion.reduced;
    switch (term) {
    case Term::A:
        return problem.first.numerator;
    case Term::B:
        return problem.first.denominator;
    case Term::C:
        return problem.second.numerator;
    case Term::D:
        return problem.second.denominator;
    case Term::Numerator:
        return solution.result.numerator;
    case Term::Denominator:
        return solution.result.denominator;
    case Term::ReducedNumerator:
        return reduced ? std::optional(reduced->numerator) : std::nullopt;
    case Term::ReducedDenominator:
        return reduced ? std::optional(reduced->denominator) : std::nullopt;
    case Term::Whole:
        return completion.whole;
    default:
        return std::nullopt;
    }
}

std::string WorkedProblem::text(Term term) const {
    if (const std::optional<fraction::Exact> number = value(term))
        return fraction::numberText(*number);
    const auto caption = std::ranges::find(solution.labels, term, &Caption::term);
    return caption != solution.labels.end() ? caption->text : std::string();
}

WorkedProblem work(const PanelProblems& problems, WholeRule rule, const Problem& problem) {
    Solution solution = problems.solve(problem);
    Completion completion = complete(rule, solution.result);
    return {problem, std::move(solution), std::move(completion)};
}

namespace {

// A typed number written exactly as the screen wrote its term.
bool sameText(const Written& typed, const Written& written) {
    return typed.number && typed.text == written.text;
}

} // namespace

// Comparisons by value and by size are exact, so a typed decimal counts by its value: 0.6 over 0.4 is
// 6 over 4, though 0.6 / 0.4 is 1.4999999999999998 in binary floating point, and 3 over 0.9 has the
// size of 10 over 3, though 3 / 0.9 is 3.333333333333333 and 10 / 3 is 3.3333333333333335.
bool isRight(Comparison kind, const WrittenFraction& typed, const WrittenFraction& expected) {
    switch (kind) {
    case Comparison::FractionValue:
    case Comparison::FractionSize: {
        const auto answer = typed.value(), solution = expected.value();
        if (!answer || !solution)
            return false;
        // Both count a zero denominator as no fraction at all.
        return kind == Comparison::FractionValue ? fraction::sameValue(*answer, *solution)
                                                 : fraction::sameSize(*answer, *solution);
    }
    case Comparison::NumberValue:
    case Comparison::NumberSize: {
        const std::optional<fraction::Exact>& answer = typed.numerator.number;
        const std::optional<fraction::Exact>& solution = expected.numerator.number;
        if (!answer || !solution)
            return false;
        return kind == Comparison::NumberValue ? *answer == *solution
                                               : std::is_eq(fraction::compareSize(*answer, *solution));
    }
    case Comparison::WholeText:
        return sameText(typed.numerator, expected.numerator) &&
               (expected.denominator.text.empty() || sameText(typed.denominator, expected.denominator));
    case Comparison::UnitOverWhole:
        return typed.numerator.number == fraction::Exact::of(1) && !typed.denominator.text.empty() &&
               typed.denominator.text == expected.denominator.text;
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
