#include "screens/solve/sum_solution.h"

#include "fraction/fraction.h"
#include "screens/common/input.h"

namespace screens {

SumSolution::SumSolution(const SumSettings& settings)
    : SolutionScreen(settings.name, settings.caption, settings.back, settings.layout,
                     settings.panelDenominatorReset),
      rule_(settings.rule), parts_(bindParts()) {
    bindProblem(parts_.problem, [this](ui::TextBox& field) { problemChanged(field); });
    parts_.overCommonDenominator.onClick = [this] { solveOverCommonDenominator(); };
    parts_.byCrossMultiplication.onClick = [this] { solveByCrossMultiplication(); };
}

SumSolution::Parts SumSolution::bindParts() {
    return {
        .problem = problem("Text1", {16, 17, 18, 19}),
        .overCommonDenominator = button("Command1"),
        .byCrossMultiplication = button("Command2"),
        .commonNumerators = step(0),
        .commonDenominator = step(1),
        .common = {.boxes = labels("Label1", {0, 1, 2, 3, 4, 5, 6}),
                   .signs = labels("Label2", {2, 3, 4}),
                   .result = {sign(2), step(2), step(3), sign(3), step(4), step(5), sign(4), step(6),
                              DropTest::Denominator}},
        .crossProducts = step(7),
        .crossDenominators = step(8),
        .crossProductValues = step(9),
        .crossDenominatorValue = step(10),
        .crossSign = sign(5),
        .crossValuesSign = sign(6),
        .cross = {.boxes = labels("Label1", {7, 8, 9, 10, 11, 12, 13, 14, 15}),
                  .signs = labels("Label2", {5, 6, 7, 8, 9}),
                  .result = {sign(7), step(11), step(12), sign(8), step(13), step(14), sign(9), step(15),
                             DropTest::Numerator}},
    };
}

// Any change of the problem hides the whole solution and picks the solve button that fits it.
void SumSolution::problemChanged(ui::TextBox& field) {
    const Problem& p = parts_.problem;
    filterInput(field);
    checkDenominators(p.b, p.d);
    hideRow(parts_.common);
    hideRow(parts_.cross);
    copyBracketed(p);
    const bool common = fraction::sameDenominator(p.b.value(), p.d.value());
    parts_.overCommonDenominator.setEnabled(common);
    parts_.byCrossMultiplication.setEnabled(!common);
    explain(texts::kPressPrompt);
}

void SumSolution::solveOverCommonDenominator() {
    const Problem& p = parts_.problem;
    const ResultSteps& result = parts_.common.result;
    explain(texts::kPressPrompt);
    if (!complete(p))
        return;
    const std::string b = fraction::trimmed(p.b.value());
    setStep(parts_.commonDenominator, b);
    setStep(result.denominator, b);
    setStep(result.numerator, fraction::numberText(combined(rule_, p.a.number(), p.c.number())));
    result.numeratorSign.setVisible(true);
    setStep(parts_.commonNumerators, commonNumeratorStep(rule_, fraction::trimmed(p.a.value()),
                                                         fraction::trimmed(p.c.value()), p.c.number()));
    fillResultSteps(result);
    showSolvedRow(parts_.common, false);
}

void SumSolution::solveByCrossMultiplication() {
    const Problem& p = parts_.problem;
    const ResultSteps& result = parts_.cross.result;
    explain(texts::kPressPrompt);
    if (!complete(p))
        return;
    const double a = p.a.number(), b = p.b.number(), c = p.c.number(), d = p.d.number();
    const auto denominatorText = [&](const ui::TextBox& field, const ui::Label& copy) {
        return rule_.bracketedDenominators ? copy.caption() : fraction::trimmed(field.value());
    };
    setStep(parts_.crossDenominators, denominatorText(p.b, p.bCopy) + std::string(texts::kDenominators) +
                                          denominatorText(p.d, p.dCopy));
    setStep(parts_.crossDenominatorValue, fraction::numberText(b * d));
    setStep(result.denominator, fraction::numberText(b * d));
    setStep(result.numerator, fraction::numberText(combined(rule_, a * d, b * c)));
    for (ui::Label* sign : {&parts_.crossSign, &parts_.crossValuesSign, &result.numeratorSign})
        sign->setVisible(true);
    setStep(parts_.crossProducts, crossProductStep(rule_, p.aCopy.caption(), p.bCopy.caption(),
                                                   p.cCopy.caption(), p.dCopy.caption()));
    setStep(parts_.crossProductValues, productsStep(rule_, a * d, c * b));
    fillResultSteps(result);
    showSolvedRow(parts_.cross, true);
}

} // namespace screens
