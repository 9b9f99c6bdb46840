#include "screens/solve/step_boxes.h"

#include "fraction/fraction.h"
#include "screens/solve/solve_texts.h"
#include "ui/caption_fit.h"

namespace screens {

namespace {

void reduceInto(const ResultSteps& steps, const std::string& n, const std::string& d) {
    const fraction::Reduction reduced = fraction::reduce(n, d);
    setStep(steps.reducedNumerator, reduced.numerator);
    setStep(steps.reducedDenominator, reduced.denominator);
    if (reduced.divisor > 0)
        for (ui::Label* box : {&steps.reducedNumerator, &steps.reducedDenominator})
            box->setTip(texts::reductionTooltip(reduced.divisor));
}

// A reduction that gives back N (or D) as it was is no step at all.
bool changedNothing(const ResultSteps& steps) {
    if (steps.drop == DropTest::Denominator)
        return steps.reducedDenominator.caption() == steps.denominator.caption();
    return steps.reducedNumerator.caption() == steps.numerator.caption();
}

void matchSign(ui::Label& sign, const ui::Label& box) { sign.setVisible(ui::shown(box)); }

} // namespace

void setStep(ui::Label& box, std::string_view caption) {
    box.setCaption(caption);
    ui::fitCaption(box);
}

void fillResultSteps(const ResultSteps& steps) {
    const std::string n = steps.numerator.caption();
    const std::string d = steps.denominator.caption();
    // An empty N or D reads as 0, which would reduce to a made-up 0.
    const bool computable = fraction::isNumeric(n) && fraction::isNumeric(d);
    setStep(steps.whole, computable ? fraction::wholeNumberResult(n, d) : "");
    if (computable)
        reduceInto(steps, n, d);
    if (!computable || changedNothing(steps)) {
        setStep(steps.reducedNumerator, "");
        setStep(steps.reducedDenominator, "");
    }
}

void showSolvedRow(const StepRow& row, bool numeratorToo) {
    for (ui::Label* box : row.boxes)
        box->setVisible(!fraction::trimmed(box->caption()).empty());
    const ResultSteps& steps = row.result;
    matchSign(steps.wholeSign, steps.whole);
    matchSign(steps.reducedSign, steps.reducedNumerator);
    if (numeratorToo)
        matchSign(steps.numeratorSign, steps.numerator);
}

void hideRow(const StepRow& row) {
    for (ui::Label* box : row.boxes)
        box->setVisible(false);
    for (ui::Label* sign : row.signs)
        sign->setVisible(false);
}

} // namespace screens
