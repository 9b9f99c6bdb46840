// The addition and subtraction worked-solution screens: a problem a/b ± c/d in `Text1(0..3)`, solved
// over the common denominator (upper row, `Command1`) or by cross multiplication (lower row,
// `Command2`); only the button that fits the typed denominators is enabled.
#pragma once

#include "screens/solve/solution_screen.h"
#include "screens/solve/sum_rule.h"

namespace screens {

class SumSolution : public SolutionScreen {
  protected:
    SumSolution(std::string_view name, std::string_view caption, ui::Color back,
                std::span<const ui::Row> layout, const SumRule& rule, std::string_view panelDenominatorReset);

  private:
    void problemChanged(int index);
    void solveOverCommonDenominator();
    void solveByCrossMultiplication();

    const SumRule& rule_;
};

} // namespace screens
