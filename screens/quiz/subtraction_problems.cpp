#include "screens/quiz/subtraction_problems.h"

#include "fraction/fraction.h"
#include "screens/common/step_text.h"

namespace screens::quiz::subtraction {

namespace {

std::string text(int number) { return fraction::numberText(number); }
std::string text(const fraction::Exact& number) { return fraction::numberText(number); }

// The guards compare numbers by their texts, as words are ordered: "14" comes before "4".
bool textBefore(int first, int second) { return fraction::textBefore(text(first), text(second)); }

Problem upperLevel1(int t1, int t2) {
    int p = t1 % 14 + 7;
    const int q = t2 % 10 + 1;
    const int d = t2 % 17 + 2;
    if (textBefore(p, q))
        p += 9;
    return Problem::of(p, d, q, d);
}

Problem upperLevel2(int t1, int t2) {
    const int s1 = t2 % 10 + 1;
    const int s2 = t1 % 15 + 1;
    const int d = t2 % 21 + 2;
    return Problem::of(signFactor(s1) * (t1 % 15 + 1), d, signFactor(s2) * (t2 % 16 + 1), d);
}

// The numerators subtracted over the one denominator.
Solution solveUpper(const Problem& p) {
    return {{p.first.numerator - p.second.numerator, p.first.denominator}, {}};
}

Problem lowerLevel1(int t1, int t2) {
    int a = (t1 + 13) % 11 + 5;
    const int b = (t2 + 7) % 9 + 2;
    const int c = (t2 + 3) % 9 + 1;
    int d = (t1 + 9) % 10 + 5;
    if (d == b)
        d += 3;
    if (textBefore(a, c))
        a += 5;
    if (textBefore(d, b))
        d += 4;
    return Problem::of(a, b, c, d);
}

Problem lowerLevel2(int t1, int t2) {
    const int e1 = t2 % 11 + 1;
    const int e2 = t1 % 10 + 1;
    const int b = (t2 + 7) % 13 + 2;
    const int d = (t1 + 9) % 13 + 2;
    return Problem::of(signFactor(e1) * ((t1 + 13) % 14 + 1), b, signFactor(e2) * ((t2 + 3) % 14 + 2),
                       d == b ? d + 1 : d);
}

// Over the product of the denominators: a·d − b·c over b·d.
Solution solveLower(const Problem& p) {
    const fraction::Fraction difference = fraction::difference(p.first, p.second);
    const fraction::Exact ad = p.first.numerator * p.second.denominator;
    const fraction::Exact bc = p.first.denominator * p.second.numerator;
    // Taking away a negative product reads as adding its size: "-154 + 45".
    const std::string working = bc > fraction::Exact::of(0)
                                    ? text(ad) + std::string(step_text::kMinus) + text(bc)
                                    : text(ad) + std::string(step_text::kPlus) + text(-bc);
    return {difference,
            {{Term::WorkingNumerator, working}, {Term::WorkingDenominator, text(difference.denominator)}}};
}

} // namespace

const PanelProblems kUpper{{upperLevel1, upperLevel2}, solveUpper};
const PanelProblems kLower{{lowerLevel1, lowerLevel2}, solveLower};

} // namespace screens::quiz::subtraction
