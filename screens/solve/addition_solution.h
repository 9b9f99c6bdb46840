// The screen `frmqaa`: the pupil types a sum of two fractions and reads its solution step by step.
#pragma once

#include <string_view>

#include "screens/solve/sum_solution.h"

namespace screens {

inline constexpr std::string_view kAdditionSolutionName = "frmqaa";
extern const SumSettings kAdditionSolution;

} // namespace screens
