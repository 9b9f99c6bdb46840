// The step boxes of a worked solution: the bordered labels `Label1(i)` that hold the steps and the
// "=" signs `Label2(i)` in front of them. Shared by the three worked-solution screens.
#pragma once

#include <initializer_list>
#include <string_view>

#include "ui/form.h"

namespace screens {

// Which comparison drops a reduction that changed nothing: the reduced denominator with D, or the
// reduced numerator with N. They differ only for N = 0, where the numerator test drops the step.
enum class DropTest { Denominator, Numerator };

// The boxes, by index of `Label1`, of a result N over D and of the steps made from it.
struct ResultBoxes {
    int numerator, denominator;
    int reducedNumerator, reducedDenominator;
    int whole;
    DropTest drop;
};

// A "=" sign, by index of `Label2`, shown exactly when the step box after it is shown.
struct SignPair {
    int sign;
    int box;
};

void setCaption(ui::Form& form, int box, std::string_view caption);
std::string captionOf(const ui::Form& form, int box);

// The whole-number result, then the reduction with its divisor in the reduced boxes' tooltips, then
// the drop test. A result without a number (a product beyond the range of a double) gets neither.
void fillResultSteps(ui::Form& form, const ResultBoxes& boxes);

// Each of `Label1(first)` to `Label1(last)` shown exactly when its trimmed caption is not empty.
void showFilledBoxes(ui::Form& form, int first, int last);
void setBoxesShown(ui::Form& form, int first, int last, bool shown);
void setSignsShown(ui::Form& form, std::initializer_list<int> signs, bool shown);
void matchSigns(ui::Form& form, std::initializer_list<SignPair> pairs);

} // namespace screens
