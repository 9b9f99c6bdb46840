#include "screens/solve/multiply_divide_solution.h"

#include "fraction/fraction.h"
#include "screens/solve/solve_texts.h"
#include "screens/common/step_text.h"
#include "screens/common/input.h"
#include "screens/solve/solve_layout.h"
#include "screens/solve/step_boxes.h"

namespace screens {

namespace {

using namespace layout;

constexpr ui::Color kBack = ui::rgb(0x400040);
constexpr ui::Color kProblemBack = ui::rgb(0x000040);
constexpr ui::Color kButtonBack = ui::rgb(0xC000C0);
constexpr auto kProduct = field("Text1", ui::kYellow, kProblemBack, ui::trad(18, true)).size(915, 615);
constexpr auto kQuotient =
    field("Text3", ui::kWhite, kProblemBack, ui::arial(18, true)).size(1035, 555).maxLen(4);
constexpr auto kStep = step(kBack);
constexpr auto kButton = button("", "", kButtonBack, ui::arial(20.25, true));

constexpr ui::Row kScreen[] = {
    // Multiplication problem, upper half.
    kProduct.idx(0).says(texts::kProductFieldNames[0]).pos(10080, 1320).tabAt(0),
    kProduct.idx(1).says(texts::kProductFieldNames[1]).pos(10080, 1980).tabAt(1),
    kSign.idx(0).pos(9660, 1680).text("×"),
    kProduct.idx(2).says(texts::kProductFieldNames[2]).pos(8760, 1320).tabAt(2),
    kProduct.idx(3).says(texts::kProductFieldNames[3]).pos(8760, 1980).tabAt(3),
    kButton.called("Command2").text(texts::kSolve).at(11040, 1320, 735, 1275).tabAt(4),

    // Division problem, lower half.
    kQuotient.idx(0).says(texts::kQuotientFieldNames[0]).pos(9960, 3360).tabAt(12),
    kQuotient.idx(1).says(texts::kQuotientFieldNames[1]).pos(9960, 3960).tabAt(13),
    kSign.idx(10).pos(9540, 3660).text("÷"),
    kQuotient.idx(2).says(texts::kQuotientFieldNames[2]).pos(8520, 3360).tabAt(14),
    kQuotient.idx(3).says(texts::kQuotientFieldNames[3]).pos(8520, 3960).tabAt(15),
    kButton.called("Command1").text(texts::kSolve).at(11040, 3360, 735, 1155).tabAt(16),
    ui::line("Line3", -1, 0, 3360, 11880, 3360).outline(ui::rgb(0xFF00FF), 3),

    // Multiplication row, read from right to left.
    kSign.idx(6).pos(8280, 1680).text("="),
    kStep.idx(9).at(5820, 1320, 2415, 615).text("1 × 1").tip(texts::kNumeratorProduct),
    kStep.idx(10).at(5820, 1980, 2415, 615).text("1 × 1").tip(texts::kDenominatorProduct),
    kSign.idx(7).pos(5400, 1680).text("=").hidden(),
    kStep.idx(11).at(4140, 1320, 1335, 615).text("1").tip(texts::kProductOfNumerators),
    kStep.idx(12).at(4140, 1980, 1335, 615).text("1").tip(texts::kProductOfDenominators),
    kSign.idx(8).pos(3720, 1620).text("=").hidden(),
    kStep.idx(13).at(2760, 1320, 1035, 615).tip(texts::kShortened),
    kStep.idx(14).at(2760, 1980, 1035, 615).tip(texts::kShortened),
    kSign.idx(9).pos(2400, 1620).text("=").hidden(),
    kStep.idx(15).at(1440, 1620, 1035, 615).text("1").tip(texts::kWholeNumber),

    // Bracketed copies of the multiplication's numbers, never shown.
    kStep.idx(16).at(5820, 2700, 855, 615).text("1").backColor(kFieldBack),
    kStep.idx(17).at(4860, 2700, 855, 615).text("1").backColor(kFieldBack),
    kStep.idx(18).at(3900, 2700, 855, 615).text("1").backColor(kFieldBack),
    kStep.idx(19).at(2880, 2700, 855, 615).text("1").backColor(kFieldBack),

    // Division row: the first fraction times the second one's reciprocal.
    kSign.idx(5).pos(11280, 4920).text("="),
    kStep.idx(7).at(10500, 4560, 855, 615).text("1").tip(texts::kFirstFraction),
    kStep.idx(8).at(10500, 5220, 855, 615).text("1").tip(texts::kFirstFraction),
    kSign.idx(11).pos(10080, 4920).text("×").hidden(),
    kStep.idx(20).at(9240, 4560, 855, 615).text("1").tip(texts::kReciprocal),
    kStep.idx(21).at(9240, 5220, 855, 615).text("1").tip(texts::kReciprocal),
    kSign.idx(1).pos(8700, 4920).text("=").hidden(),
    kStep.idx(0).at(6180, 4560, 2475, 615).text("1×1").tip(texts::kNumeratorTimesNumerator),
    kStep.idx(1).at(6180, 5220, 2475, 615).text("1×1").tip(texts::kDenominatorTimesDenominator),
    kSign.idx(2).pos(5820, 4920).text("=").hidden(),
    kStep.idx(2).at(4500, 4560, 1395, 615).text("1").tip(texts::kProductOfNumerators),
    kStep.idx(3).at(4500, 5220, 1395, 615).text("1").tip(texts::kPreviousDenominatorProduct),
    kSign.idx(3).pos(4080, 4920).text("=").hidden(),
    kStep.idx(4).at(3060, 4560, 1035, 615).tip(texts::kReduction),
    kStep.idx(5).at(3060, 5220, 1035, 615).tip(texts::kReduction),
    kSign.idx(4).pos(2640, 4920).text("=").hidden(),
    kStep.idx(6).at(1620, 4920, 1035, 615).text("1").tip(texts::kWholeNumber),

    explanation(kBack).at(780, 360, 6195, 555),
    instruction(kBack).at(7860, 360, 3435, 615),
    frame("Shape4", ui::kWhite, kBack).at(540, 180, 6735, 855),
    frame("Shape5", ui::kWhite, kBack).at(7740, 180, 3615, 855),
    kButton.called("Command9").text(texts::kBack).at(10200, 7440, 1335, 675).tabAt(17),
    kButton.called("Command8").text(texts::kExit).at(300, 7500, 1335, 675).tabAt(18),
};

constexpr PanelPlacement kPanel{
    .back = kBack,
    .maxLength = 0,
    .numeratorTab = 8,
    .denominatorTab = 10,
    .wholeTab = 11,
    .numerator = {4320, 6240, 795, 495},
    .denominator = {4320, 6960, 795, 555},
    .whole = {3660, 6600, 675, 615},
    .fieldBar = {4320, 4980, 6840},
    .equals = {3120, 6600, 555, 495},
    .resultNumerator = {2160, 6300, 975, 495},
    .resultDenominator = {2160, 6960, 915, 435},
    .resultBar = {2280, 2940, 6840},
    .instructions = {5760, 6240, 3795, 1215},
    .instructionsFrame = {5580, 6120, 4215, 1455},
    .fieldsFrame = {3600, 6120, 1755, 1455},
    .resultFrame = {2160, 6120, 1035, 1455},
};

constexpr auto kLayout = withPanel(kScreen, mixedPanel(kPanel));

// Two step boxes' captions joined into one step: "a × c".
std::string joined(const ui::Label& x, const ui::Label& y, std::string_view joiner) {
    return fraction::trimmed(x.caption()) + std::string(joiner) + fraction::trimmed(y.caption());
}

} // namespace

MultiplyDivideSolution::MultiplyDivideSolution()
    : SolutionScreen(kName, texts::kMultiplyDivideTitle, ui::rgb(0x800080), kLayout, "1"),
      parts_(bindParts()) {
    bindProblem(parts_.product, [this](ui::TextBox& field) { productChanged(field); });
    bindProblem(parts_.quotient, [this](ui::TextBox& field) { quotientChanged(field); });
    parts_.solveProduct.onClick = [this] { solveProduct(); };
    parts_.solveQuotient.onClick = [this] { solveQuotient(); };
}

MultiplyDivideSolution::Parts MultiplyDivideSolution::bindParts() {
    return {
        .product = problem("Text1", {16, 17, 18, 19}),
        .solveProduct = button("Command2"),
        .productFactors = step(9),
        .productDenominators = step(10),
        .productRow = {.boxes = labels("Label1", {9, 10, 11, 12, 13, 14, 15}),
                       .signs = labels("Label2", {9, 8, 7}),
                       .result = {sign(7), step(11), step(12), sign(8), step(13), step(14), sign(9), step(15),
                                  DropTest::Numerator}},
        .quotient = problem("Text3", {7, 8, 21, 20}),
        .solveQuotient = button("Command1"),
        .quotientFactors = step(0),
        .quotientDenominators = step(1),
        .timesSign = sign(11),
        .factorsSign = sign(1),
        .quotientRow = {.boxes = labels("Label1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 20, 21}),
                        .signs = labels("Label2", {4, 3, 2, 1, 11}),
                        .result = {sign(2), step(2), step(3), sign(3), step(4), step(5), sign(4), step(6),
                                   DropTest::Denominator}},
    };
}

void MultiplyDivideSolution::productChanged(ui::TextBox& field) {
    filterInput(field);
    checkDenominators(parts_.product.b, parts_.product.d);
    hideRow(parts_.productRow);
    copyBracketed(parts_.product);
    explain(texts::kPressPrompt);
}

// Zero has no reciprocal, so the second numerator may not be 0; the first numerator may.
void MultiplyDivideSolution::quotientChanged(ui::TextBox& field) {
    filterInput(field);
    checkDenominators(parts_.quotient.b, parts_.quotient.d);
    refuseZero(parts_.quotient.c, texts::kNoReciprocal);
    hideRow(parts_.quotientRow);
    copyBracketed(parts_.quotient);
    explain(texts::kPressPrompt);
}

void MultiplyDivideSolution::solveProduct() {
    const Problem& p = parts_.product;
    const ResultSteps& result = parts_.productRow.result;
    explain(texts::kPressPrompt);
    if (!complete(p))
        return;
    setStep(parts_.productDenominators, joined(p.bCopy, p.dCopy, texts::kDenominators));
    setStep(result.denominator, fraction::numberText(p.b.number() * p.d.number()));
    setStep(result.numerator, fraction::numberText(p.a.number() * p.c.number()));
    result.numeratorSign.setVisible(true); // the "=" in front of the row is never hidden
    setStep(parts_.productFactors, joined(p.aCopy, p.cCopy, texts::kDenominators));
    fillResultSteps(result);
    showSolvedRow(parts_.productRow, true);
}

// a/b ÷ c/d is solved as a/b × d/c.
void MultiplyDivideSolution::solveQuotient() {
    const Problem& p = parts_.quotient;
    const ResultSteps& result = parts_.quotientRow.result;
    explain(texts::kPressPrompt);
    if (!complete(p))
        return;
    setStep(parts_.quotientFactors, joined(p.aCopy, p.dCopy, step_text::kTimes));
    setStep(parts_.quotientDenominators, joined(p.bCopy, p.cCopy, step_text::kTimes));
    setStep(result.denominator, fraction::numberText(p.b.number() * p.c.number()));
    setStep(result.numerator, fraction::numberText(p.a.number() * p.d.number()));
    for (ui::Label* sign : {&result.numeratorSign, &parts_.factorsSign, &parts_.timesSign})
        sign->setVisible(true);
    fillResultSteps(result);
    showSolvedRow(parts_.quotientRow, false);
}

} // namespace screens
