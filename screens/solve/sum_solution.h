// The addition and subtraction worked-solution screens, one engine set up by each screen's settings:
// a problem a/b ± c/d, solved over the common denominator (upper row) or by cross multiplication
// (lower row); only the solve button that fits the typed denominators is enabled.
#pragma once

#include "screens/solve/solution_screen.h"
#include "screens/solve/step_boxes.h"
#include "screens/solve/sum_rule.h"

namespace screens {

struct SumSettings {
    std::string_view name, caption;
    ui::Color back;
    std::span<const ui::Row> layout; // the same object names on both screens
    SumRule rule;
    std::string_view panelDenominatorReset;
};

// The two screens' settings, each with its layout table.
inline constexpr std::string_view kAdditionSolutionName = "frmqaa";
inline constexpr std::string_view kSubtractionSolutionName = "frmqam";
extern const SumSettings kAdditionSolution;
extern const SumSettings kSubtractionSolution;

class SumSolution : public SolutionScreen {
  public:
    explicit SumSolution(const SumSettings& settings);

  private:
    struct Parts {
        Problem problem;
        ui::Button &overCommonDenominator, &byCrossMultiplication;
        // Over the common denominator: "a + c" over b, then N over D, reduced, whole.
        ui::Label &commonNumerators, &commonDenominator;
        StepRow common;
        // By cross multiplication: "d×a + c×b" over "b × d", their products, then N over D.
        ui::Label &crossProducts, &crossDenominators, &crossProductValues, &crossDenominatorValue;
        ui::Label &crossSign, &crossValuesSign; // the "=" in front of the row and of the products
        StepRow cross;
    };
    Parts bindParts();
    void problemChanged(ui::TextBox& field);
    void solveOverCommonDenominator();
    void solveByCrossMultiplication();

    const SumRule rule_;
    Parts parts_;
};

} // namespace screens
