#include "screens/solve/mixed_panel.h"

#include "fraction/fraction.h"
#include "ui/caption_fit.h"

namespace screens {

namespace {

enum Field { kNumerator = 0, kDenominator = 1, kWhole = 2 };

ui::TextBox& field(const ui::Form& form, int index) { return form.textBox("Text2", index); }

// While the pupil types, a denominator field may be empty or hold a lone "-": it holds no denominator
// to refuse yet.
bool awaitsNumber(const ui::TextBox& box) {
    const std::string text = fraction::trimmed(box.value());
    return text.empty() || text == "-";
}

// w n/d as one fraction. A zero numerator gives d·w over d, the value of the mixed number.
void convert(ui::Form& form, std::string_view denominatorReset) {
    const std::string n = field(form, kNumerator).value();
    const std::string d = field(form, kDenominator).value();
    const std::string w = field(form, kWhole).value();
    if (fraction::isNumeric(n) && fraction::isNumeric(d) && fraction::isNumeric(w)) {
        const double numerator =
            fraction::mixedNumerator(fraction::value(w), fraction::value(n), fraction::value(d));
        form.label("Label4").setCaption(fraction::numberText(numerator));
        form.label("Label5").setCaption(fraction::trimmed(d));
        ui::fitCaption(form.label("Label4"));
        ui::fitCaption(form.label("Label5"));
    }
    if (awaitsNumber(field(form, kDenominator)) || fraction::value(d) > 0)
        return;
    ui::messageBox(&form, "المقام لايساوي صفر وأيضا غير سالب", "تنبيه", false);
    field(form, kDenominator).assign(denominatorReset);
}

void frameOnly(ui::Form& form, int framed) {
    for (int index : {kNumerator, kDenominator, kWhole})
        field(form, index).setFrame(index == framed);
}

} // namespace

void bindMixedPanel(ui::Form& form, std::string_view denominatorReset) {
    form.onChange("Text2", [&form, denominatorReset](int) { convert(form, denominatorReset); });
    form.onGotFocus("Text2", [&form](int index) { frameOnly(form, index); });
    form.onClick("Text2", [&form](int index) {
        field(form, index).setFocus();
        field(form, index).selectWhole();
    });
    form.onClick("Label6", [&form](int) {
        field(form, kNumerator).setFocus();
        field(form, kNumerator).setFrame(true);
    });
}

void unframePanelFields(ui::Form& form) { frameOnly(form, -1); }

} // namespace screens
