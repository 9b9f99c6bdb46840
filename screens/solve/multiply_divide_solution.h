// The screen `frmqad`: two independent problems, a product of two fractions in `Text1(0..3)` and a
// quotient in `Text3(0..3)`, each solved step by step by its own button.
#pragma once

#include <string_view>

#include "screens/solve/solution_screen.h"

namespace screens {

class MultiplyDivideSolution : public SolutionScreen {
  public:
    static constexpr std::string_view kName = "frmqad";
    MultiplyDivideSolution();

  private:
    void productChanged(int index);
    void quotientChanged(int index);
    void solveProduct();
    void solveQuotient();
};

} // namespace screens
