// The screen `frmqad`: two independent problems, a product of two fractions and a quotient, each
// solved step by step by its own button.
#pragma once

#include <string_view>

#include "screens/solve/solution_screen.h"
#include "screens/solve/step_boxes.h"

namespace screens {

class MultiplyDivideSolution : public SolutionScreen {
  public:
    static constexpr std::string_view kName = "frmqad";
    MultiplyDivideSolution();

  private:
    struct Parts {
        Problem product;
        ui::Button& solveProduct;
        ui::Label &productFactors, &productDenominators; // "a × c" over "b × d", then N over D
        StepRow productRow;
        // The quotient's copies are its first fraction and the reciprocal of its second.
        Problem quotient;
        ui::Button& solveQuotient;
        ui::Label &quotientFactors, &quotientDenominators; // "a × d" over "b × c", then N over D
        ui::Label &timesSign, &factorsSign; // the "×" in front of the reciprocal, the "=" after it
        StepRow quotientRow;
    };
    Parts bindParts();
    void productChanged(ui::TextBox& field);
    void quotientChanged(ui::TextBox& field);
    void solveProduct();
    void solveQuotient();

    Parts parts_;
};

} // namespace screens
