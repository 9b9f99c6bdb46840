// The problems of the multiplication test and their solution texts, as pure functions of the tick
// counters' values.
#pragma once

#include "screens/test/test_rules.h"

namespace screens::test::multiplication {

// Upper panel: a fraction times a whole number, a/b × n (n in c, no d).
Problem upperLevel1(int l7, int l8);
Problem upperLevel2(int l7, int l8);
Solution solveUpper(const Problem& problem);

// Lower panel: a fraction times a fraction.
Problem lowerLevel1(int l7, int l8);
Problem lowerLevel2(int l7, int l8);
Solution solveLower(const Problem& problem);

// The signed problems of level 2, which the division test makes too with another range of first
// denominators: b runs from 2 to denominators + 1.
Problem signedUpper(int l7, int l8, int denominators);
Problem signedLower(int l7, int l8, int denominators);

// A product before it is worked out, as the working pair shows it: "-3 × 5".
std::string productText(int x, int y);

} // namespace screens::test::multiplication
