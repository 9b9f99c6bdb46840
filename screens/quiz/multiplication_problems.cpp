#include "screens/quiz/multiplication_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::multiplication {

namespace {

Problem upperLevel1(int t1, int t2) { return Problem::of(t1 % 14 + 1, t2 % 11 + 2, t2 % 15 + 1); }

Problem upperLevel2(int t1, int t2) { return signedUpper(t1, t2, 16); }

// a/b × n is n·a over b.
Solution solveUpper(const Problem& p) { return {fraction::product(p.first, p.second), {}}; }

Problem lowerLevel2(int t1, int t2) { return signedLower(t1, t2, 14); }

// a/b × c/d is a·c over b·d, each product first written out.
Solution solveLower(const Problem& p) {
    const auto& [first, second] = p;
    return {fraction::product(first, second),
            {{Term::WorkingNumerator, productText(first.numerator, second.numerator)},
             {Term::WorkingDenominator, productText(first.denominator, second.denominator)}}};
}

} // namespace

Problem lowerLevel1(int t1, int t2) {
    return Problem::of((t1 + 35) % 12 + 1, (t2 + 11) % 11 + 2, (t2 + 3) % 14 + 2, (t1 + 20) % 13 + 2);
}

Problem signedUpper(int t1, int t2, int denominators) {
    const int s1 = t2 % 10 + 1;
    const int s2 = t1 % 15 + 1;
    return Problem::of(signFactor(s1) * (t1 % 12 + 1), t2 % denominators + 2, signFactor(s2) * (t2 % 13 + 1));
}

Problem signedLower(int t1, int t2, int denominators) {
    const int s1 = t2 % 11 + 1;
    const int s2 = t1 % 10 + 1;
    return Problem::of(signFactor(s1) * ((t1 + 23) % 14 + 1), (t2 + 7) % denominators + 2,
                       signFactor(s2) * ((t2 + 43) % 16 + 2), (t1 + 11) % 15 + 2);
}

std::string productText(const fraction::Exact& x, const fraction::Exact& y) {
    return fraction::numberText(x) + std::string(step_text::kTimes) + fraction::numberText(y);
}

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::multiplication
