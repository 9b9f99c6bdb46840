#include "screens/quiz/multiplication_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::multiplication {

namespace {

std::string text(int number) { return fraction::numberText(number); }

Problem upperLevel1(int t1, int t2) { return {t1 % 14 + 1, t2 % 11 + 2, t2 % 15 + 1}; }

Problem upperLevel2(int t1, int t2) { return signedUpper(t1, t2, 16); }

Solution solveUpper(const Problem& p) { return {{}, text(p.c * p.a), text(p.b)}; }

Problem lowerLevel2(int t1, int t2) { return signedLower(t1, t2, 14); }

Solution solveLower(const Problem& p) {
    return {
        {{Term::WorkingNumerator, productText(p.a, p.c)}, {Term::WorkingDenominator, productText(p.b, p.d)}},
        text(p.a * p.c),
        text(p.b * p.d)};
}

} // namespace

Problem lowerLevel1(int t1, int t2) {
    return {(t1 + 35) % 12 + 1, (t2 + 11) % 11 + 2, (t2 + 3) % 14 + 2, (t1 + 20) % 13 + 2};
}

Problem signedUpper(int t1, int t2, int denominators) {
    const int s1 = t2 % 10 + 1;
    const int s2 = t1 % 15 + 1;
    return {signFactor(s1) * (t1 % 12 + 1), t2 % denominators + 2, signFactor(s2) * (t2 % 13 + 1)};
}

Problem signedLower(int t1, int t2, int denominators) {
    const int s1 = t2 % 11 + 1;
    const int s2 = t1 % 10 + 1;
    return {signFactor(s1) * ((t1 + 23) % 14 + 1), (t2 + 7) % denominators + 2,
            signFactor(s2) * ((t2 + 43) % 16 + 2), (t1 + 11) % 15 + 2};
}

std::string productText(int x, int y) { return text(x) + std::string(step_text::kTimes) + text(y); }

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::multiplication
