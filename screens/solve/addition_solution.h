// The screen `frmqaa`: the pupil types a sum of two fractions and reads its solution step by step.
#pragma once

#include <string_view>

#include "screens/solve/sum_solution.h"

namespace screens {

class AdditionSolution : public SumSolution {
  public:
    static constexpr std::string_view kName = "frmqaa";
    AdditionSolution();
};

} // namespace screens
