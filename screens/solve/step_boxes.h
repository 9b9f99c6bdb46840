// The step boxes of a worked solution: the bordered labels that hold the steps and the "=" signs in
// front of them. Shared by the three worked-solution screens.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace screens {

// Which comparison drops a reduction that changed nothing: the reduced denominator with D, or the
// reduced numerator with N. They differ only for N = 0, where the numerator test drops the step.
enum class DropTest { Denominator, Numerator };

// The end of a row: a result N over D, reduced, and as a whole number, each behind its sign.
struct ResultSteps {
    ui::Label &numeratorSign, &numerator, &denominator;
    ui::Label &reducedSign, &reducedNumerator, &reducedDenominator;
    ui::Label &wholeSign, &whole;
    DropTest drop;
};

// A row of steps: its boxes, shown as they are filled, and the signs hidden until it is solved.
struct StepRow {
    std::vector<ui::Label*> boxes;
    std::vector<ui::Label*> signs;
    ResultSteps result;
};

// Sets the caption and fits it to its box.
void setStep(ui::Label& box, std::string_view caption);

// The whole-number result, then the reduction with its divisor in the reduced boxes' tooltips, then
// the drop test. A result without a number (a product beyond the range of a double) gets neither.
void fillResultSteps(const ResultSteps& steps);

// The row's boxes, each shown exactly when its trimmed caption is not empty; then the signs in front
// of the whole number and the reduction (and of N when `numeratorToo`) shown with the box after them.
void showSolvedRow(const StepRow& row, bool numeratorToo);
// Every box and sign of the row hidden.
void hideRow(const StepRow& row);

} // namespace screens
