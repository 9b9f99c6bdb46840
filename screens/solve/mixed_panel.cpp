#include "screens/solve/mixed_panel.h"

#include "fraction/fraction.h"
#include "ui/caption_fit.h"

namespace screens {

namespace {

// While the pupil types, a denominator field may be empty or hold a lone "-": it holds no denominator
// to refuse yet.
bool awaitsNumber(const ui::TextBox& box) {
    const std::string text = fraction::trimmed(box.value());
    return text.empty() || text == "-";
}

// w n/d as one fraction. A zero numerator gives d·w over d, the value of the mixed number.
void convert(ui::Form& form, MixedPanel& panel, std::string_view denominatorReset) {
    if (fraction::isNumeric(panel.numerator.value()) && fraction::isNumeric(panel.denominator.value()) &&
        fraction::isNumeric(panel.whole.value())) {
        const double numerator = fraction::mixedNumerator(panel.whole.number(), panel.numerator.number(),
                                                          panel.denominator.number());
        panel.resultNumerator.setCaption(fraction::numberText(numerator));
        panel.resultDenominator.setCaption(fraction::trimmed(panel.denominator.value()));
        ui::fitCaption(panel.resultNumerator);
        ui::fitCaption(panel.resultDenominator);
    }
    if (awaitsNumber(panel.denominator) || panel.denominator.number() > 0)
        return;
    ui::messageBox(&form, texts::kPanelZeroDenominator, texts::kPanelAttention, false);
    panel.denominator.assign(denominatorReset);
}

void frameOnly(MixedPanel& panel, const ui::TextBox* framed) {
    for (ui::TextBox* field : {&panel.numerator, &panel.denominator, &panel.whole})
        field->setFrame(framed != nullptr && field == framed);
}

} // namespace

MixedPanel mixedPanelParts(const ui::Form& form) {
    return {form.textBox("Text2", 0), form.textBox("Text2", 1), form.textBox("Text2", 2),
            form.label("Label4"),     form.label("Label5"),     form.label("Label6")};
}

void bindMixedPanel(ui::Form& form, MixedPanel& panel, std::string_view denominatorReset) {
    for (ui::TextBox* field : {&panel.numerator, &panel.denominator, &panel.whole}) {
        field->onChange = [&form, &panel, denominatorReset] { convert(form, panel, denominatorReset); };
        field->onGotFocus = [&panel, field] { frameOnly(panel, field); };
        field->onClick = [field] {
            field->setFocus();
            field->selectWhole();
        };
    }
    panel.instructions.onClick = [&panel] {
        panel.numerator.setFocus();
        panel.numerator.setFrame(true);
    };
}

void unframePanelFields(MixedPanel& panel) { frameOnly(panel, nullptr); }

} // namespace screens
