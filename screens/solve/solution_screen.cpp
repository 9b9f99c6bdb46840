#include "screens/solve/solution_screen.h"

#include <utility>

#include "fraction/fraction.h"
#include "ui/caption_fit.h"
#include "screens/solve/mixed_panel.h"

namespace screens {

namespace {

constexpr std::string_view kZeroDenominator = "المقام لا يساوي صفر إن كنت لاتريد مقام ضع فيه  1 ";
constexpr std::string_view kAttention = "تنبيه ";

// An empty field or a lone "-" holds no number yet, so it is not a zero to refuse.
bool holdsZero(const ui::TextBox& box) {
    return fraction::isNumeric(box.value()) && fraction::value(box.value()) == 0;
}

void focusWhole(ui::TextBox& box) {
    box.setFocus();
    box.selectWhole();
}

} // namespace

SolutionScreen::SolutionScreen(std::string_view name, std::string_view caption, ui::Color back,
                               std::span<const ui::Row> layout, std::string_view panelDenominatorReset)
    : Form(name, caption, 11880, 8490, back) {
    build(layout);
    onClick("Label1", [this](int index) { showExplanationOf(index); });
    onFormClick = [this] { backgroundClicked(); };
    bindMixedPanel(*this, panelDenominatorReset);
    bindBack("Command9");
    bindExit("Command8");
    setCancelButton("Command9");
}

void SolutionScreen::explain(std::string_view text) {
    label("Label7").setCaption(text);
    ui::fitCaption(label("Label7"));
}

void SolutionScreen::showExplanationOf(int box) { explain(label("Label1", box).tip()); }

void SolutionScreen::backgroundClicked() {
    explain(texts::kBackgroundPrompt);
    unframePanelFields(*this);
}

void SolutionScreen::bindProblem(std::string_view fields, ui::Handler changed) {
    onChange(fields, std::move(changed));
    onGotFocus(fields, [this, fields](int index) {
        explain(textBox(fields, index).tip());
        focusWhole(textBox(fields, index));
    });
    onClick(fields, [this, fields](int index) { focusWhole(textBox(fields, index)); });
}

bool SolutionScreen::complete(std::string_view fields) const {
    for (int index = 0; index < 4; ++index)
        if (!fraction::isNumeric(textBox(fields, index).value()))
            return false;
    return true;
}

double SolutionScreen::valueOf(std::string_view fields, int index) const {
    return fraction::value(textBox(fields, index).value());
}

std::string SolutionScreen::trimmedText(std::string_view fields, int index) const {
    return fraction::trimmed(textBox(fields, index).value());
}

void SolutionScreen::checkDenominators(std::string_view fields, int first, int second) {
    ui::TextBox& firstBox = textBox(fields, first);
    ui::TextBox& secondBox = textBox(fields, second);
    if (resettingDenominators_ || !(holdsZero(firstBox) || holdsZero(secondBox)))
        return;
    ui::messageBox(this, kZeroDenominator, kAttention, true);
    resettingDenominators_ = true;
    firstBox.assign("1");
    secondBox.assign("1");
    resettingDenominators_ = false;
}

void SolutionScreen::refuseZero(ui::TextBox& box, std::string_view message) {
    if (!holdsZero(box))
        return;
    ui::messageBox(this, message, kAttention, true);
    box.assign("1");
}

void SolutionScreen::copyBracketed(std::string_view fields, std::span<const int, 4> copies) {
    for (int index = 0; index < 4; ++index) {
        const std::string text = textBox(fields, index).value();
        if (fraction::isNumeric(text))
            label("Label1", copies[index]).setCaption(fraction::bracketed(text));
    }
}

} // namespace screens
