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
constexpr std::string_view kProductOfNumerators = "ناتج الضرب في البسط السابق";
constexpr std::string_view kFirstFraction = "الكسر الأول";
constexpr std::string_view kReciprocal = "المعكوس الضربي للكسر الثاني";

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
    kStep.idx(9).at(5820, 1320, 2415, 615).text("1 × 1").tip("حاصل ضرب البسط الأول × البسط الثاني"),
    kStep.idx(10).at(5820, 1980, 2415, 615).text("1 × 1").tip(texts::kDenominatorProduct),
    kSign.idx(7).pos(5400, 1680).text("=").hidden(),
    kStep.idx(11).at(4140, 1320, 1335, 615).text("1").tip(kProductOfNumerators),
    kStep.idx(12).at(4140, 1980, 1335, 615).text("1").tip("ناتج الضرب في المقـام السابق"),
    kSign.idx(8).pos(3720, 1620).text("=").hidden(),
    kStep.idx(13).at(2760, 1320, 1035, 615).tip("اختصار"),
    kStep.idx(14).at(2760, 1980, 1035, 615).tip("اختصار"),
    kSign.idx(9).pos(2400, 1620).text("=").hidden(),
    kStep.idx(15).at(1440, 1620, 1035, 615).text("1").tip(texts::kWholeNumber),

    // Bracketed copies of the multiplication's numbers, never shown.
    kStep.idx(16).at(5820, 2700, 855, 615).text("1").backColor(kFieldBack),
    kStep.idx(17).at(4860, 2700, 855, 615).text("1").backColor(kFieldBack),
    kStep.idx(18).at(3900, 2700, 855, 615).text("1").backColor(kFieldBack),
    kStep.idx(19).at(2880, 2700, 855, 615).text("1").backColor(kFieldBack),

    // Division row: the first fraction times the second one's reciprocal.
    kSign.idx(5).pos(11280, 4920).text("="),
    kStep.idx(7).at(10500, 4560, 855, 615).text("1").tip(kFirstFraction),
    kStep.idx(8).at(10500, 5220, 855, 615).text("1").tip(kFirstFraction),
    kSign.idx(11).pos(10080, 4920).text("×").hidden(),
    kStep.idx(20).at(9240, 4560, 855, 615).text("1").tip(kReciprocal),
    kStep.idx(21).at(9240, 5220, 855, 615).text("1").tip(kReciprocal),
    kSign.idx(1).pos(8700, 4920).text("=").hidden(),
    kStep.idx(0).at(6180, 4560, 2475, 615).text("1×1").tip("حاصل ضرب البسط  × البسـط"),
    kStep.idx(1).at(6180, 5220, 2475, 615).text("1×1").tip("حاصل ضرب المقـام  × المقـام"),
    kSign.idx(2).pos(5820, 4920).text("=").hidden(),
    kStep.idx(2).at(4500, 4560, 1395, 615).text("1").tip(kProductOfNumerators),
    kStep.idx(3).at(4500, 5220, 1395, 615).text("1").tip("ناتج الضرب في المقام السابق"),
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

constexpr std::string_view kProductFields = "Text1";
constexpr std::string_view kQuotientFields = "Text3";
enum Field { kA = 0, kB = 1, kC = 2, kD = 3 };
constexpr int kProductCopies[] = {16, 17, 18, 19};
// The quotient's copies: the first fraction, then the second one turned upside down.
constexpr int kQuotientCopies[] = {7, 8, 21, 20};

// The step boxes `Label1(i)` the handlers write, as the layout table above numbers them.
enum Step : int {
    kProductFactors = 9,       // "a × c" over
    kProductDenominators = 10, // "b × d"
    kProductNumerator = 11,    // N
    kProductDenominator = 12,  // D
    kQuotientFactors = 0,      // "a × d" over
    kQuotientDenominators = 1, // "b × c"
    kQuotientNumerator = 2,    // N
    kQuotientDenominator = 3,  // D
};

constexpr ResultBoxes kProductResult{.numerator = kProductNumerator,
                                     .denominator = kProductDenominator,
                                     .reducedNumerator = 13,
                                     .reducedDenominator = 14,
                                     .whole = 15,
                                     .drop = DropTest::Numerator};
constexpr ResultBoxes kQuotientResult{.numerator = kQuotientNumerator,
                                      .denominator = kQuotientDenominator,
                                      .reducedNumerator = 4,
                                      .reducedDenominator = 5,
                                      .whole = 6,
                                      .drop = DropTest::Denominator};

std::string product(const std::string& x, const std::string& y, std::string_view joiner) {
    return fraction::trimmed(x) + std::string(joiner) + fraction::trimmed(y);
}

} // namespace

MultiplyDivideSolution::MultiplyDivideSolution()
    : SolutionScreen(kName, "الضرب والقسمة  اكتب أنت الأسئلة", ui::rgb(0x800080), kLayout, "1") {
    bindProblem(kProductFields, [this](int index) { productChanged(index); });
    bindProblem(kQuotientFields, [this](int index) { quotientChanged(index); });
    onClick("Command2", [this](int) { solveProduct(); });
    onClick("Command1", [this](int) { solveQuotient(); });
}

void MultiplyDivideSolution::productChanged(int index) {
    filterInput(textBox(kProductFields, index));
    checkDenominators(kProductFields, kB, kD);
    setBoxesShown(*this, 9, 15, false);
    setSignsShown(*this, {9, 8, 7}, false);
    copyBracketed(kProductFields, kProductCopies);
    explain(texts::kPressPrompt);
}

// Zero has no reciprocal, so the second numerator may not be 0; the first numerator may.
void MultiplyDivideSolution::quotientChanged(int index) {
    filterInput(textBox(kQuotientFields, index));
    checkDenominators(kQuotientFields, kB, kD);
    refuseZero(textBox(kQuotientFields, kC), "لا يمكن وضع  صفر هنا  لعدم وجود معكوس ضربي للصفر ");
    setBoxesShown(*this, 0, 8, false);
    setBoxesShown(*this, 20, 21, false);
    setSignsShown(*this, {4, 3, 2, 1, 11}, false);
    copyBracketed(kQuotientFields, kQuotientCopies);
    explain(texts::kPressPrompt);
}

void MultiplyDivideSolution::solveProduct() {
    explain(texts::kPressPrompt);
    if (!complete(kProductFields))
        return;
    const auto copy = [this](int field) { return captionOf(*this, kProductCopies[field]); };
    setCaption(*this, kProductDenominators, product(copy(kB), copy(kD), texts::kDenominators));
    setCaption(*this, kProductDenominator,
               fraction::numberText(valueOf(kProductFields, kB) * valueOf(kProductFields, kD)));
    setCaption(*this, kProductNumerator,
               fraction::numberText(valueOf(kProductFields, kA) * valueOf(kProductFields, kC)));
    setSignsShown(*this, {6, 7}, true);
    setCaption(*this, kProductFactors, product(copy(kA), copy(kC), texts::kDenominators));
    fillResultSteps(*this, kProductResult);
    showFilledBoxes(*this, 9, 15);
    matchSigns(*this, {{9, 15}, {8, 13}, {7, 11}});
}

// a/b ÷ c/d is solved as a/b × d/c.
void MultiplyDivideSolution::solveQuotient() {
    explain(texts::kPressPrompt);
    if (!complete(kQuotientFields))
        return;
    const auto copy = [this](int field) { return captionOf(*this, kQuotientCopies[field]); };
    setCaption(*this, kQuotientFactors, product(copy(kA), copy(kD), step_text::kTimes));
    setCaption(*this, kQuotientDenominators, product(copy(kB), copy(kC), step_text::kTimes));
    setCaption(*this, kQuotientDenominator,
               fraction::numberText(valueOf(kQuotientFields, kB) * valueOf(kQuotientFields, kC)));
    setCaption(*this, kQuotientNumerator,
               fraction::numberText(valueOf(kQuotientFields, kA) * valueOf(kQuotientFields, kD)));
    setSignsShown(*this, {2, 1, 11}, true);
    fillResultSteps(*this, kQuotientResult);
    showFilledBoxes(*this, 0, 8);
    setBoxesShown(*this, 20, 21, true);
    matchSigns(*this, {{4, 6}, {3, 4}});
}

} // namespace screens
