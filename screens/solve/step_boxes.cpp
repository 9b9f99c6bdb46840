#include "screens/solve/step_boxes.h"

#include "fraction/fraction.h"
#include "fraction/fraction_value.h"
#include "screens/solve/solve_texts.h"
#include "ui/caption_fit.h"

namespace screens {

namespace {

void reduceInto(const ResultSteps& steps, const fraction::Fraction& result) {
    const std::optional<fraction::Reduced> reduced = fraction::reduce(result);
    setStep(steps.reducedNumerator, reduced ? fraction::numberText(reduced->fraction.numerator) : "");
    setStep(steps.reducedDenominator, reduced ? fraction::numberText(reduced->fraction.denominator) : "");
    if (reduced)
        for (ui::Label* box : {&steps.reducedNumerator, &steps.reducedDenominator})
            box->setTip(texts::reductionTooltip(reduced->divisor));
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
    // An empty N or D is no result, which would reduce to a made-up 0.
    const std::optional<fraction::Fraction> result =
        fraction::Fraction::read(steps.numerator.caption(), steps.denominator.caption());
    const auto whole = result ? fraction::wholeResult(*result) : std::nullopt;
    setStep(steps.whole, whole ? fraction::numberText(*whole) : "");
    if (result)
        reduceInto(steps, *result);
    if (!result || changedNothing(steps)) {
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
