// The problems of the division test and their solution texts, as pure functions of the tick
// counters' values. Division is multiplication by the reciprocal, so the solution also holds the
// dividend copied and the divisor turned over.
#pragma once

#include "screens/test/multiplication_problems.h"

namespace screens::test::division {

// Upper panel: a fraction over a whole number, a/b ÷ n (n in c, no d).
Problem upperLevel1(int l7, int l8);
Problem upperLevel2(int l7, int l8);
Solution solveUpper(const Problem& problem);

// Lower panel: a fraction over a fraction; level 1 makes the multiplication test's problems.
using multiplication::lowerLevel1;
Problem lowerLevel2(int l7, int l8);
Solution solveLower(const Problem& problem);

} // namespace screens::test::division
