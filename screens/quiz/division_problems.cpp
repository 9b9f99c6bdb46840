#include "screens/quiz/division_problems.h"

#include "fraction/fraction.h"
#include "screens/quiz/multiplication_problems.h"

namespace screens::quiz::division {

namespace {

using multiplication::productText;

std::string text(int number) { return fraction::numberText(number); }

Problem upperLevel1(int t1, int t2) { return {t1 % 14 + 1, t2 % 19 + 2, t2 % 16 + 5}; }

Problem upperLevel2(int t1, int t2) { return multiplication::signedUpper(t1, t2, 15); }

// The dividend copy a over b and the reciprocal 1 over n, then a over n·b; a negative n keeps its
// sign in the denominators.
Solution solveUpper(const Problem& p) {
    return {{{Term::CopyNumerator, text(p.a)},
             {Term::CopyDenominator, text(p.b)},
             {Term::ReciprocalDenominator, text(p.c)},
             {Term::ReciprocalNumerator, "1"}},
            text(p.a),
            text(p.c * p.b)};
}

Problem lowerLevel2(int t1, int t2) { return multiplication::signedLower(t1, t2, 15); }

// The reciprocal d over c and the dividend copy a over b, then the products a·d over b·c.
Solution solveLower(const Problem& p) {
    return {{{Term::ReciprocalDenominator, text(p.c)},
             {Term::ReciprocalNumerator, text(p.d)},
             {Term::CopyDenominator, text(p.b)},
             {Term::CopyNumerator, text(p.a)},
             {Term::WorkingNumerator, productText(p.a, p.d)},
             {Term::WorkingDenominator, productText(p.b, p.c)}},
            text(p.a * p.d),
            text(p.b * p.c)};
}

} // namespace

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{multiplication::lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::division
