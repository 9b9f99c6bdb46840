#include "screens/quiz/addition_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::addition {

namespace {

std::string text(int number) { return fraction::numberText(number); }

// The denominators must differ, so an equal first denominator is raised by one.
Problem separated(Problem problem) {
    if (problem.b == problem.d)
        ++problem.b;
    return problem;
}

Problem upperLevel1(int l7, int l8) {
    const int b = l8 % 16 + 2;
    return {l7 % 13 + 1, b, l8 % 14 + 1, b};
}

Problem upperLevel2(int l7, int l8) {
    const int b = l8 % 16 + 2;
    const int s1 = l8 % 10 + 1;
    const int s2 = l7 % 15 + 1;
    return {signFactor(s1) * (l7 % 15 + 1), b, signFactor(s2) * (l8 % 13 + 1), b};
}

Solution solveUpper(const Problem& p) { return {{}, text(p.a + p.c), text(p.b)}; }

Problem lowerLevel1(int l7, int l8) {
    return separated({(l7 + 13) % 12 + 1, (l8 + 7) % 11 + 1, (l8 + 3) % 14 + 2, (l7 + 1) % 13 + 2});
}

Problem lowerLevel2(int l7, int l8) {
    const int e1 = l8 % 11 + 1;
    const int e2 = l7 % 10 + 1;
    return separated({signFactor(e1) * ((l7 + 13) % 14 + 1), (l8 + 7) % 13 + 1,
                      signFactor(e2) * ((l8 + 3) % 14 + 2), (l7 + 8) % 13 + 2});
}

Solution solveLower(const Problem& p) {
    const int ad = p.a * p.d;
    const int bc = p.b * p.c;
    // A negative product keeps its own minus sign: "12 + -6".
    return {{{Term::WorkingNumerator, text(ad) + std::string(step_text::kPlus) + text(bc)},
             {Term::WorkingDenominator, text(p.b * p.d)}},
            text(ad + bc),
            text(p.b * p.d)};
}

} // namespace

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::addition
