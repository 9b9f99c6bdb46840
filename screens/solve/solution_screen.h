// What the three worked-solution screens share: the explanation line `Label7` and the step boxes'
// explanations, the problem fields' focus and click handling, the zero-denominator check, the
// bracketed copies, the mixed-number panel and the Back and Exit buttons.
#pragma once

#include <span>
#include <string_view>

#include "screens/solve/solve_texts.h"
#include "ui/form.h"

namespace screens {

class SolutionScreen : public ui::Form {
  protected:
    SolutionScreen(std::string_view name, std::string_view caption, ui::Color back,
                   std::span<const ui::Row> layout, std::string_view panelDenominatorReset);

    void explain(std::string_view text);

    // Change, GotFocus and Click of the four fields of a problem (`Text1` or `Text3`).
    void bindProblem(std::string_view fields, ui::Handler changed);
    // True when every field of the problem holds a number.
    bool complete(std::string_view fields) const;
    double valueOf(std::string_view fields, int index) const;
    std::string trimmedText(std::string_view fields, int index) const;

    // A zero in either denominator field is refused with a message, and both are set to "1".
    void checkDenominators(std::string_view fields, int first, int second);
    // A zero in the field is refused with `message`, and the field is set to "1".
    void refuseZero(ui::TextBox& box, std::string_view message);
    // The hidden copies `Label1(copies[i])` of the problem's fields in their bracketed form. A field
    // that holds no number yet leaves its copy as it was.
    void copyBracketed(std::string_view fields, std::span<const int, 4> copies);

  private:
    void showExplanationOf(int box);
    void backgroundClicked();

    // True while the denominators are being reset: the nested change of the first must not report
    // the second's zero again.
    bool resettingDenominators_ = false;
};

} // namespace screens
