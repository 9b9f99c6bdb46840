// The problems of the division test and their solutions, as pure functions of the tick
// counters' values. Division is multiplication by the reciprocal, so the solution also holds the
// dividend copied and the divisor turned over.
#pragma once

#include "screens/quiz/quiz_rules.h"

namespace screens::quiz::division {

extern const PanelProblems kUpper; // a fraction over a whole number, a/b ÷ n (n over 1 second)
extern const PanelProblems kLower; // a fraction over a fraction

} // namespace screens::quiz::division
