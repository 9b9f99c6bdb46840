// The problems of the subtraction test and their solutions, as pure functions of the tick
// counters' values.
#pragma once

#include "screens/quiz/quiz_rules.h"

namespace screens::quiz::subtraction {

extern const PanelProblems kUpper; // two fractions over one denominator
extern const PanelProblems kLower; // two fractions over different denominators, subtracted over their product

} // namespace screens::quiz::subtraction
