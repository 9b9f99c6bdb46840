#include "screens/solve/solution_screen.h"

#include <algorithm>
#include <utility>

#include "fraction/fraction.h"
#include "ui/caption_fit.h"

namespace screens {

namespace {

// An empty field or a lone "-" holds no number yet, so it is not a zero to refuse.
bool holdsZero(const ui::TextBox& box) { return fraction::isNumeric(box.value()) && box.number() == 0; }

void focusWhole(ui::TextBox& box) {
    box.setFocus();
    box.selectWhole();
}

} // namespace

SolutionScreen::SolutionScreen(std::string_view name, std::string_view caption, ui::Color back,
                               std::span<const ui::Row> layout, std::string_view panelDenominatorReset)
    : Form(name, caption, 11880, 8490, back), parts_(buildParts(layout)) {
    for (ui::Label* box : parts_.steps)
        box->onClick = [this, box] { explain(box->tip()); };
    onFormClick = [this] { backgroundClicked(); };
    bindMixedPanel(*this, parts_.panel, panelDenominatorReset);
    bindBack(parts_.back);
    bindExit(parts_.exit);
    setCancelButton(parts_.back);
}

SolutionScreen::Parts SolutionScreen::buildParts(std::span<const ui::Row> layout) {
    build(layout);
    return {.steps = array<ui::Label>("Label1"),
            .explanation = label("Label7"),
            .back = button("Command9"),
            .exit = button("Command8"),
            .panel = mixedPanelParts(*this)};
}

Problem SolutionScreen::problem(std::string_view fields, std::array<int, 4> copies) const {
    return {textBox(fields, 0), textBox(fields, 1), textBox(fields, 2), textBox(fields, 3),
            step(copies[0]),    step(copies[1]),    step(copies[2]),    step(copies[3])};
}

std::vector<ui::Label*> SolutionScreen::labels(std::string_view name,
                                               std::initializer_list<int> indices) const {
    std::vector<ui::Label*> found;
    for (int index : indices)
        found.push_back(&label(name, index));
    return found;
}

void SolutionScreen::explain(std::string_view text) {
    parts_.explanation.setCaption(text);
    ui::fitCaption(parts_.explanation);
}

void SolutionScreen::backgroundClicked() {
    explain(texts::kBackgroundPrompt);
    unframePanelFields(parts_.panel);
}

void SolutionScreen::bindProblem(const Problem& problem, const std::function<void(ui::TextBox&)>& changed) {
    for (ui::TextBox* field : problem.fields()) {
        field->onChange = [field, changed] { changed(*field); };
        field->onGotFocus = [this, field] {
            explain(field->tip());
            focusWhole(*field);
        };
        field->onClick = [field] { focusWhole(*field); };
    }
}

bool SolutionScreen::complete(const Problem& problem) {
    return std::ranges::all_of(problem.fields(),
                               [](const ui::TextBox* field) { return fraction::isNumeric(field->value()); });
}

void SolutionScreen::checkDenominators(ui::TextBox& first, ui::TextBox& second) {
    if (resettingDenominators_ || !(holdsZero(first) || holdsZero(second)))
        return;
    ui::messageBox(this, texts::kZeroDenominator, texts::kAttention, true);
    resettingDenominators_ = true;
    first.assign("1");
    second.assign("1");
    resettingDenominators_ = false;
}

void SolutionScreen::refuseZero(ui::TextBox& box, std::string_view message) {
    if (!holdsZero(box))
        return;
    ui::messageBox(this, message, texts::kAttention, true);
    box.assign("1");
}

void SolutionScreen::copyBracketed(const Problem& problem) {
    const std::pair<const ui::TextBox*, ui::Label*> copies[] = {{&problem.a, &problem.aCopy},
                                                                {&problem.b, &problem.bCopy},
                                                                {&problem.c, &problem.cCopy},
                                                                {&problem.d, &problem.dCopy}};
    for (const auto& [field, copy] : copies)
        if (fraction::isNumeric(field->value()))
            copy->setCaption(fraction::bracketed(field->value()));
}

} // namespace screens
