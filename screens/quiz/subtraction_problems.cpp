#include "screens/quiz/subtraction_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::subtraction {

namespace {

std::string text(int number) { return fraction::numberText(number); }

// The guards compare numbers by their texts, as words are ordered: "14" comes before "4".
bool textBefore(int first, int second) { return fraction::textBefore(text(first), text(second)); }

Problem upperLevel1(int t1, int t2) {
    int p = t1 % 14 + 7;
    const int q = t2 % 10 + 1;
    const int d = t2 % 17 + 2;
    if (textBefore(p, q))
        p += 9;
    return {p, d, q, d};
}

Problem upperLevel2(int t1, int t2) {
    const int s1 = t2 % 10 + 1;
    const int s2 = t1 % 15 + 1;
    const int d = t2 % 21 + 2;
    return {signFactor(s1) * (t1 % 15 + 1), d, signFactor(s2) * (t2 % 16 + 1), d};
}

Solution solveUpper(const Problem& p) { return {{}, text(p.a - p.c), text(p.b)}; }

Problem lowerLevel1(int t1, int t2) {
    Problem p{(t1 + 13) % 11 + 5, (t2 + 7) % 9 + 2, (t2 + 3) % 9 + 1, (t1 + 9) % 10 + 5};
    if (p.d == p.b)
        p.d += 3;
    if (textBefore(p.a, p.c))
        p.a += 5;
    if (textBefore(p.d, p.b))
        p.d += 4;
    return p;
}

Problem lowerLevel2(int t1, int t2) {
    const int e1 = t2 % 11 + 1;
    const int e2 = t1 % 10 + 1;
    Problem p{signFactor(e1) * ((t1 + 13) % 14 + 1), (t2 + 7) % 13 + 2, signFactor(e2) * ((t2 + 3) % 14 + 2),
              (t1 + 9) % 13 + 2};
    if (p.d == p.b)
        ++p.d;
    return p;
}

Solution solveLower(const Problem& p) {
    const int ad = p.a * p.d;
    const int bc = p.b * p.c;
    // Taking away a negative product reads as adding its size: "-154 + 45".
    const std::string working = bc > 0 ? text(ad) + std::string(step_text::kMinus) + text(bc)
                                       : text(ad) + std::string(step_text::kPlus) + text(-bc);
    return {{{Term::WorkingNumerator, working}, {Term::WorkingDenominator, text(p.b * p.d)}},
            text(ad - bc),
            text(p.b * p.d)};
}

} // namespace

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::subtraction
