// What the three worked-solution screens share: the explanation line and the step boxes'
// explanations, the problem fields' focus and click handling, the zero-denominator check, the
// bracketed copies, the mixed-number panel and the Back and Exit buttons.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "screens/solve/mixed_panel.h"
#include "screens/solve/solve_texts.h"
#include "ui/form.h"

namespace screens {

// A problem a/b ○ c/d: its four fields and the hidden step boxes holding their bracketed copies.
struct Problem {
    ui::TextBox &a, &b, &c, &d;
    ui::Label &aCopy, &bCopy, &cCopy, &dCopy;

    std::array<ui::TextBox*, 4> fields() const { return {&a, &b, &c, &d}; }
};

class SolutionScreen : public ui::Form {
  protected:
    SolutionScreen(std::string_view name, std::string_view caption, ui::Color back,
                   std::span<const ui::Row> layout, std::string_view panelDenominatorReset);

    void explain(std::string_view text);

    // For binding parts: a problem's fields with the step boxes of its copies, and step boxes and
    // signs by their index in the layout table.
    Problem problem(std::string_view fields, std::array<int, 4> copies) const;
    ui::Label& step(int index) const { return label("Label1", index); }
    ui::Label& sign(int index) const { return label("Label2", index); }
    std::vector<ui::Label*> labels(std::string_view name, std::initializer_list<int> indices) const;

    // Change, GotFocus and Click of the problem's four fields; Change is told the field.
    void bindProblem(const Problem& problem, const std::function<void(ui::TextBox&)>& changed);
    // True when every field of the problem holds a number.
    static bool complete(const Problem& problem);

    // A zero in either denominator field is refused with a message, and both are set to "1".
    void checkDenominators(ui::TextBox& first, ui::TextBox& second);
    // A zero in the field is refused with `message`, and the field is set to "1".
    void refuseZero(ui::TextBox& box, std::string_view message);
    // The problem's fields in their bracketed form, into its copies. A field that holds no number yet
    // leaves its copy as it was.
    static void copyBracketed(const Problem& problem);

  private:
    struct Parts {
        std::vector<ui::Label*> steps; // every step box, each explaining itself when clicked
        ui::Label& explanation;
        ui::Button &back, &exit;
        MixedPanel panel;
    };
    Parts buildParts(std::span<const ui::Row> layout);
    void backgroundClicked();

    Parts parts_;
    // True while the denominators are being reset: the nested change of the first must not report
    // the second's zero again.
    bool resettingDenominators_ = false;
};

} // namespace screens
