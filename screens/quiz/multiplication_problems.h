// The problems of the multiplication test and their solutions, as pure functions of the tick
// counters' values.
#pragma once

#include <string>

#include "screens/quiz/quiz_rules.h"

namespace screens::quiz::multiplication {

extern const PanelProblems kUpper; // a fraction times a whole number, a/b × n (n over 1 second)
extern const PanelProblems kLower; // a fraction times a fraction

// What the division test makes alike: its level-1 fraction pairs are these, and its level-2 problems
// differ only in the range of the first denominator, b from 2 to denominators + 1.
Problem lowerLevel1(int t1, int t2);
Problem signedUpper(int t1, int t2, int denominators);
Problem signedLower(int t1, int t2, int denominators);

// A product before it is worked out, as the working pair shows it: "-3 × 5".
std::string productText(const fraction::Exact& x, const fraction::Exact& y);

} // namespace screens::quiz::multiplication
