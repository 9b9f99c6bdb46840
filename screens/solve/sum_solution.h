// The addition and subtraction worked-solution screens: a problem a/b ± c/d in `Text1(0..3)`, solved
// over the common denominator (upper row, `Command1`) or by cross multiplication (lower row,
// `Command2`); only the button that fits the typed denominators is enabled.
#pragma once

#include "screens/solve/solution_screen.h"
#include "screens/solve/sum_rule.h"

namespace screens {

// The step boxes `Label1(i)` of the two rows, as both screens' layout tables number them.
namespace sum_steps {
enum : int {
    // Over the common denominator: "a + c" over b, then N over D, reduced, whole.
    kCommonNumerators = 0,
    kCommonDenominator = 1,
    kCommonSum = 2,
    kCommonSumDenominator = 3,
    // By cross multiplication: "a × d + b × c" over "b × d", their products, then N over D.
    kCrossProducts = 7,
    kCrossDenominators = 8,
    kCrossProductValues = 9,
    kCrossDenominatorValue = 10,
    kCrossSum = 11,
    kCrossSumDenominator = 12,
};
} // namespace sum_steps

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
