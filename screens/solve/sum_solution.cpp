#include "screens/solve/sum_solution.h"

#include "fraction/fraction.h"
#include "screens/solve/solve_texts.h"
#include "screens/common/input.h"
#include "screens/solve/step_boxes.h"

namespace screens {

namespace {

constexpr std::string_view kFields = "Text1";
enum Field { kA = 0, kB = 1, kC = 2, kD = 3 };
// The hidden bracketed copies of a, b, c, d.
constexpr int kCopies[] = {16, 17, 18, 19};

using namespace sum_steps;

constexpr ResultBoxes kCommonResult{.numerator = kCommonSum,
                                    .denominator = kCommonSumDenominator,
                                    .reducedNumerator = 4,
                                    .reducedDenominator = 5,
                                    .whole = 6,
                                    .drop = DropTest::Denominator};
constexpr ResultBoxes kCrossResult{.numerator = kCrossSum,
                                   .denominator = kCrossSumDenominator,
                                   .reducedNumerator = 13,
                                   .reducedDenominator = 14,
                                   .whole = 15,
                                   .drop = DropTest::Numerator};

} // namespace

SumSolution::SumSolution(std::string_view name, std::string_view caption, ui::Color back,
                         std::span<const ui::Row> layout, const SumRule& rule,
                         std::string_view panelDenominatorReset)
    : SolutionScreen(name, caption, back, layout, panelDenominatorReset), rule_(rule) {
    bindProblem(kFields, [this](int index) { problemChanged(index); });
    onClick("Command1", [this](int) { solveOverCommonDenominator(); });
    onClick("Command2", [this](int) { solveByCrossMultiplication(); });
}

// Any change of the problem hides the whole solution and picks the solve button that fits it.
void SumSolution::problemChanged(int index) {
    filterInput(textBox(kFields, index));
    checkDenominators(kFields, kB, kD);
    setBoxesShown(*this, 0, 15, false);
    setSignsShown(*this, {2, 3, 4, 5, 6, 7, 8, 9}, false);
    copyBracketed(kFields, kCopies);
    const bool common = fraction::sameDenominator(textBox(kFields, kB).value(), textBox(kFields, kD).value());
    button("Command1").setEnabled(common);
    button("Command2").setEnabled(!common);
    explain(texts::kPressPrompt);
}

void SumSolution::solveOverCommonDenominator() {
    explain(texts::kPressPrompt);
    if (!complete(kFields))
        return;
    const std::string b = trimmedText(kFields, kB);
    setCaption(*this, kCommonDenominator, b);
    setCaption(*this, kCommonSumDenominator, b);
    setCaption(*this, kCommonSum,
               fraction::numberText(combined(rule_, valueOf(kFields, kA), valueOf(kFields, kC))));
    setSignsShown(*this, {2}, true);
    setCaption(*this, kCommonNumerators,
               commonNumeratorStep(rule_, trimmedText(kFields, kA), trimmedText(kFields, kC)));
    fillResultSteps(*this, kCommonResult);
    showFilledBoxes(*this, 0, 6);
    matchSigns(*this, {{4, 6}, {3, 4}});
}

void SumSolution::solveByCrossMultiplication() {
    explain(texts::kPressPrompt);
    if (!complete(kFields))
        return;
    const double a = valueOf(kFields, kA), b = valueOf(kFields, kB);
    const double c = valueOf(kFields, kC), d = valueOf(kFields, kD);
    const auto copy = [this](int field) { return captionOf(*this, kCopies[field]); };
    const auto denominatorText = [&](int field) {
        return rule_.bracketedDenominators ? copy(field) : trimmedText(kFields, field);
    };
    setCaption(*this, kCrossDenominators,
               denominatorText(kB) + std::string(texts::kDenominators) + denominatorText(kD));
    setCaption(*this, kCrossDenominatorValue, fraction::numberText(b * d));
    setCaption(*this, kCrossSumDenominator, fraction::numberText(b * d));
    setCaption(*this, kCrossSum, fraction::numberText(combined(rule_, a * d, b * c)));
    setSignsShown(*this, {5, 6, 7}, true);
    setCaption(*this, kCrossProducts, crossProductStep(rule_, copy(kA), copy(kB), copy(kC), copy(kD)));
    setCaption(*this, kCrossProductValues, productsStep(rule_, a * d, c * b));
    fillResultSteps(*this, kCrossResult);
    showFilledBoxes(*this, 7, 15);
    matchSigns(*this, {{9, 15}, {8, 13}, {7, 11}});
}

} // namespace screens
