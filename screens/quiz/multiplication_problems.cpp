#include "screens/quiz/multiplication_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::multiplication {

namespace {

std::string text(int number) { return fraction::numberText(number); }

Problem upperLevel1(int l7, int l8) { return {l7 % 14 + 1, l8 % 11 + 2, l8 % 15 + 1}; }

Problem upperLevel2(int l7, int l8) { return signedUpper(l7, l8, 16); }

Solution solveUpper(const Problem& p) { return {{}, text(p.c * p.a), text(p.b)}; }

Problem lowerLevel2(int l7, int l8) { return signedLower(l7, l8, 14); }

Solution solveLower(const Problem& p) {
    return {
        {{Term::WorkingNumerator, productText(p.a, p.c)}, {Term::WorkingDenominator, productText(p.b, p.d)}},
        text(p.a * p.c),
        text(p.b * p.d)};
}

} // namespace

Problem lowerLevel1(int l7, int l8) {
    return {(l7 + 35) % 12 + 1, (l8 + 11) % 11 + 2, (l8 + 3) % 14 + 2, (l7 + 20) % 13 + 2};
}

Problem signedUpper(int l7, int l8, int denominators) {
    const int s1 = l8 % 10 + 1;
    const int s2 = l7 % 15 + 1;
    return {signFactor(s1) * (l7 % 12 + 1), l8 % denominators + 2, signFactor(s2) * (l8 % 13 + 1)};
}

Problem signedLower(int l7, int l8, int denominators) {
    const int s1 = l8 % 11 + 1;
    const int s2 = l7 % 10 + 1;
    return {signFactor(s1) * ((l7 + 23) % 14 + 1), (l8 + 7) % denominators + 2,
            signFactor(s2) * ((l8 + 43) % 16 + 2), (l7 + 11) % 15 + 2};
}

std::string productText(int x, int y) { return text(x) + std::string(step_text::kTimes) + text(y); }

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::multiplication
