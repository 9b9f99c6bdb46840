// The screen `frmqam`: the pupil types a difference of two fractions and reads its solution step by
// step.
#include "screens/solve/solve_layout.h"
#include "screens/solve/sum_solution.h"

namespace screens {

namespace {

using namespace layout;

constexpr ui::Color kBack = ui::rgb(0x000040);
constexpr ui::Color kButtonBack = ui::rgb(0x8080FF);
constexpr auto kField = field("Text1", ui::kYellow, kFieldBack, ui::trad(18, true)).rtl().size(915, 615);
constexpr auto kStep = step(kBack).rtl();
constexpr auto kSolveButton = button("", texts::kSolve, kButtonBack, ui::msSans(8.25, true)).size(1335, 555);
constexpr auto kNavigation = button("", "", kButtonBack, ui::arial(20.25, true)).size(1335, 675);

constexpr ui::Row kScreen[] = {
    kField.idx(0).says(texts::kFieldNames[0]).pos(10440, 1740).tabAt(0),
    kField.idx(1).says(texts::kFieldNames[1]).pos(10440, 2400).tabAt(1),
    kField.idx(2).says(texts::kFieldNames[2]).pos(9120, 1740).tabAt(2),
    kField.idx(3).says(texts::kFieldNames[3]).pos(9120, 2400).tabAt(3),
    kSign.idx(0).pos(10020, 2100).text("-"),
    kSign.idx(1).pos(8760, 2100).text("="),

    // Upper row: the difference as a sum with the additive inverse, over the common denominator.
    kStep.idx(0).at(6300, 1740, 2475, 615).tip(texts::kInverseSum),
    kStep.idx(1).at(6300, 2400, 2475, 615).tip(texts::kAlikeDenominators),
    kSign.idx(2).pos(5940, 2100).text("=").hidden(),
    kStep.idx(2).at(4620, 1740, 1395, 615).tip(texts::kNumeratorSum),
    kStep.idx(3).at(4620, 2400, 1395, 615).tip(texts::kSameDenominator),
    kSign.idx(3).pos(4200, 2100).text("=").hidden(),
    kStep.idx(4).at(3180, 1740, 1035, 615).tip(texts::kReduction),
    kStep.idx(5).at(3180, 2400, 1035, 615).tip(texts::kReduction),
    kSign.idx(4).pos(2760, 2100).text("=").hidden(),
    kStep.idx(6).at(1740, 2100, 1035, 615).tip(texts::kWholeNumber),

    // Lower row, by cross multiplication.
    kSign.idx(5).pos(11340, 4140).text("=").hidden(),
    kStep.idx(7).at(8220, 3780, 3135, 615).tip(texts::kCrossDifference),
    kStep.idx(8).at(8220, 4440, 3135, 615).tip(texts::kDenominatorProduct),
    kSign.idx(6).pos(7860, 4140).text("=").hidden(),
    kStep.idx(9).at(5460, 3780, 2415, 615).tip(texts::kCrossDifference),
    kStep.idx(10).at(5460, 4440, 2415, 615).tip(texts::kDenominatorProduct),
    kSign.idx(7).pos(5040, 4140).text("=").hidden(),
    kStep.idx(11).at(3780, 3780, 1335, 615).tip(texts::kNumeratorSum),
    kStep.idx(12).at(3780, 4440, 1335, 615).tip(texts::kSameDenominator),
    kSign.idx(8).pos(3360, 4080).text("=").hidden(),
    kStep.idx(13).at(2400, 3780, 1035, 615).tip(texts::kCommonNumerators),
    kStep.idx(14).at(2400, 4440, 1035, 615).tip(texts::kCommonNumerators),
    kSign.idx(9).pos(2040, 4080).text("=").hidden(),
    kStep.idx(15).at(1080, 4020, 1035, 615).tip(texts::kWholeNumber),

    // Bracketed copies of a, b, c, d, never shown.
    kStep.idx(16).at(7020, 3120, 1035, 615).text("1"),
    kStep.idx(17).at(6060, 3120, 1035, 615).text("1"),
    kStep.idx(18).at(5160, 3120, 1035, 615).text("1"),
    kStep.idx(19).at(4200, 3120, 1035, 615).text("1"),

    explanation(kBack).at(1320, 360, 6195, 555),
    instruction(kBack).at(8040, 360, 3435, 615),
    kSolveButton.called("Command2").pos(9960, 3180).disabled().tabAt(6),
    kSolveButton.called("Command1").pos(8340, 3180).tabAt(7),
    kNavigation.called("Command9").text(texts::kBack).pos(9960, 7140).tabAt(9),
    kNavigation.called("Command8").text(texts::kExit).pos(480, 7140).tabAt(10),
    frame("Shape4", ui::kWhite, kBack).at(1080, 180, 6735, 855),
    frame("Shape5", ui::kWhite, kBack).at(7920, 180, 3615, 855),
    frame("Shape9", kButtonBack, ui::rgb(0x0000C0)).at(420, 7080, 1455, 795),
    frame("Shape10", kButtonBack, ui::rgb(0x0000C0)).at(9900, 7080, 1455, 795),
};

constexpr PanelPlacement kPanel{
    .back = kBack,
    .maxLength = 3,
    .numeratorTab = 5,
    .denominatorTab = 4,
    .wholeTab = 8,
    .numerator = {3180, 5640, 795, 495},
    .denominator = {3180, 6360, 795, 555},
    .whole = {2520, 6000, 675, 615},
    .fieldBar = {3180, 3840, 6240},
    .equals = {1980, 6000, 555, 495},
    .resultNumerator = {1140, 5700, 735, 495},
    .resultDenominator = {1140, 6360, 675, 435},
    .resultBar = {1140, 1800, 6240},
    .instructions = {4620, 5640, 3795, 1215},
    .instructionsFrame = {4440, 5520, 4215, 1455},
    .fieldsFrame = {2460, 5520, 1755, 1455},
    .resultFrame = {1020, 5520, 1035, 1455},
};

constexpr auto kLayout = withPanel(kScreen, mixedPanel(kPanel));

} // namespace

constexpr SumSettings kSubtractionSolution{.name = kSubtractionSolutionName,
                                           .caption = texts::kSubtractionTitle,
                                           .back = ui::rgb(0x000080),
                                           .layout = kLayout,
                                           .rule = kSubtraction,
                                           .panelDenominatorReset = "2"};

} // namespace screens
