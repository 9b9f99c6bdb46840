// The problems of the subtraction test and their solution texts, as pure functions of the tick
// counters' values.
#pragma once

#include "screens/test/test_rules.h"

namespace screens::test::subtraction {

// Upper panel: two fractions over one denominator.
Problem upperLevel1(int l7, int l8);
Problem upperLevel2(int l7, int l8);
Solution solveUpper(const Problem& problem);

// Lower panel: two fractions over different denominators, subtracted over their product.
Problem lowerLevel1(int l7, int l8);
Problem lowerLevel2(int l7, int l8);
Solution solveLower(const Problem& problem);

} // namespace screens::test::subtraction
