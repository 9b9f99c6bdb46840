#include "screens/quiz/addition_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::addition {

namespace {

std::string text(const fraction::Exact& number) { return fraction::numberText(number); }

// The denominators must differ, so an equal first denominator is raised by one.
Problem separated(int a, int b, int c, int d) { return Problem::of(a, b == d ? b + 1 : b, c, d); }

Problem upperLevel1(int t1, int t2) {
    const int b = t2 % 16 + 2;
    return Problem::of(t1 % 13 + 1, b, t2 % 14 + 1, b);
}

Problem upperLevel2(int t1, int t2) {
    const int b = t2 % 16 + 2;
    const int s1 = t2 % 10 + 1;
    const int s2 = t1 % 15 + 1;
    return Problem::of(signFactor(s1) * (t1 % 15 + 1), b, signFactor(s2) * (t2 % 13 + 1), b);
}

// The numerators added over the one denominator.
Solution solveUpper(const Problem& p) {
    return {{p.first.numerator + p.second.numerator, p.first.denominator}, {}};
}

Problem lowerLevel1(int t1, int t2) {
    return separated((t1 + 13) % 12 + 1, (t2 + 7) % 11 + 1, (t2 + 3) % 14 + 2, (t1 + 1) % 13 + 2);
}

Problem lowerLevel2(int t1, int t2) {
    const int e1 = t2 % 11 + 1;
    const int e2 = t1 % 10 + 1;
    return separated(signFactor(e1) * ((t1 + 13) % 14 + 1), (t2 + 7) % 13 + 1,
                     signFactor(e2) * ((t2 + 3) % 14 + 2), (t1 + 8) % 13 + 2);
}

// Over the product of the denominators: a·d + b·c over b·d.
Solution solveLower(const Problem& p) {
    const fraction::Fraction sum = fraction::sum(p.first, p.second);
    const fraction::Exact ad = p.first.numerator * p.second.denominator;
    const fraction::Exact bc = p.first.denominator * p.second.numerator;
    // A negative product keeps its own minus sign: "12 + -6".
    return {sum,
            {{Term::WorkingNumerator, text(ad) + std::string(step_text::kPlus) + text(bc)},
             {Term::WorkingDenominator, text(sum.denominator)}}};
}

} // namespace

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::addition
