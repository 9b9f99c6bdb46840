// The screen `frmqam`: the pupil types a difference of two fractions and reads its solution step by step.
#pragma once

#include <string_view>

#include "screens/solve/sum_solution.h"

namespace screens {

inline constexpr std::string_view kSubtractionSolutionName = "frmqam";
extern const SumSettings kSubtractionSolution;

} // namespace screens
