#include "screens/quiz/division_problems.h"

#include "fraction/fraction.h"
#include "screens/quiz/multiplication_problems.h"

namespace screens::quiz::division {

namespace {

using multiplication::productText;

Caption caption(Term term, const fraction::Exact& number) { return {term, fraction::numberText(number)}; }

// The divisor turned over: d over c, or 1 over n; a negative divisor keeps its sign in the denominator.
fraction::Fraction reciprocal(const fraction::Fraction& divisor) {
    return {divisor.denominator, divisor.numerator};
}

Problem upperLevel1(int t1, int t2) { return Problem::of(t1 % 14 + 1, t2 % 19 + 2, t2 % 16 + 5); }

Problem upperLevel2(int t1, int t2) { return multiplication::signedUpper(t1, t2, 15); }

// The dividend copy a over b and the reciprocal 1 over n, then a over b·n.
Solution solveUpper(const Problem& p) {
    const fraction::Fraction turned = reciprocal(p.second);
    return {fraction::product(p.first, turned),
            {caption(Term::CopyNumerator, p.first.numerator),
             caption(Term::CopyDenominator, p.first.denominator),
             caption(Term::ReciprocalDenominator, turned.denominator),
             caption(Term::ReciprocalNumerator, turned.numerator)}};
}

Problem lowerLevel2(int t1, int t2) { return multiplication::signedLower(t1, t2, 15); }

// The reciprocal d over c and the dividend copy a over b, then the products a·d over b·c.
Solution solveLower(const Problem& p) {
    const fraction::Fraction turned = reciprocal(p.second);
    return {fraction::product(p.first, turned),
            {caption(Term::ReciprocalDenominator, turned.denominator),
             caption(Term::ReciprocalNumerator, turned.numerator),
             caption(Term::CopyDenominator, p.first.denominator),
             caption(Term::CopyNumerator, p.first.numerator),
             {Term::WorkingNumerator, productText(p.first.numerator, turned.numerator)},
             {Term::WorkingDenominator, productText(p.first.denominator, turned.denominator)}}};
}

} // namespace

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{multiplication::lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::division
