#include "screens/solve/step_boxes.h"

#include "fraction/fraction.h"
#include "screens/solve/solve_texts.h"
#include "ui/caption_fit.h"

namespace screens {

namespace {

ui::Label& box(const ui::Form& form, int index) { return form.label("Label1", index); }

void reduceInto(ui::Form& form, const ResultBoxes& boxes, const std::string& n, const std::string& d) {
    const fraction::Reduction reduced = fraction::reduce(n, d);
    setCaption(form, boxes.reducedNumerator, reduced.numerator);
    setCaption(form, boxes.reducedDenominator, reduced.denominator);
    if (reduced.divisor > 0)
        for (int index : {boxes.reducedNumerator, boxes.reducedDenominator})
            box(form, index).setTip(texts::reductionTooltip(reduced.divisor));
}

// A reduction that gives back N (or D) as it was is no step at all.
bool changedNothing(const ui::Form& form, const ResultBoxes& boxes) {
    if (boxes.drop == DropTest::Denominator)
        return captionOf(form, boxes.reducedDenominator) == captionOf(form, boxes.denominator);
    return captionOf(form, boxes.reducedNumerator) == captionOf(form, boxes.numerator);
}

} // namespace

void setCaption(ui::Form& form, int index, std::string_view caption) {
    box(form, index).setCaption(caption);
    ui::fitCaption(box(form, index));
}

std::string captionOf(const ui::Form& form, int index) { return box(form, index).caption(); }

void fillResultSteps(ui::Form& form, const ResultBoxes& boxes) {
    const std::string n = captionOf(form, boxes.numerator);
    const std::string d = captionOf(form, boxes.denominator);
    // An empty N or D reads as 0, which would reduce to a made-up 0.
    const bool computable = fraction::isNumeric(n) && fraction::isNumeric(d);
    setCaption(form, boxes.whole, computable ? fraction::wholeNumberResult(n, d) : "");
    if (computable)
        reduceInto(form, boxes, n, d);
    if (!computable || changedNothing(form, boxes)) {
        setCaption(form, boxes.reducedNumerator, "");
        setCaption(form, boxes.reducedDenominator, "");
    }
}

void showFilledBoxes(ui::Form& form, int first, int last) {
    for (int index = first; index <= last; ++index)
        box(form, index).setVisible(!fraction::trimmed(captionOf(form, index)).empty());
}

void setBoxesShown(ui::Form& form, int first, int last, bool shown) {
    for (int index = first; index <= last; ++index)
        box(form, index).setVisible(shown);
}

void setSignsShown(ui::Form& form, std::initializer_list<int> signs, bool shown) {
    for (int sign : signs)
        form.label("Label2", sign).setVisible(shown);
}

void matchSigns(ui::Form& form, std::initializer_list<SignPair> pairs) {
    for (const SignPair& pair : pairs)
        form.label("Label2", pair.sign).setVisible(ui::shown(box(form, pair.box)));
}

} // namespace screens
