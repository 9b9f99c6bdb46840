// The screen `frmqaa`: the pupil types a sum of two fractions and reads its solution step by step.
#include "screens/solve/solve_layout.h"
#include "screens/solve/sum_solution.h"

namespace screens {

namespace {

using namespace layout;

constexpr ui::Color kBack = kFieldBack;
constexpr auto kField = field("Text1", ui::kYellow, kFieldBack, ui::trad(18, true)).rtl().maxLen(4);
constexpr auto kStep = step(kBack).rtl();
constexpr auto kSolveButton =
    button("", texts::kSolve, ui::rgb(0x008080), ui::msSans(8.25, true)).size(1335, 555);
constexpr auto kNavigation = button("", "", ui::rgb(0x00C0C0), ui::arial(20.25, true)).size(1335, 675);

constexpr ui::Row kScreen[] = {
    kField.idx(0).says(texts::kFieldNames[0]).at(10560, 1620, 915, 615).tabAt(0),
    kField.idx(1).says(texts::kFieldNames[1]).at(10560, 2280, 915, 615).tabAt(1),
    kField.idx(2).says(texts::kFieldNames[2]).at(9240, 1620, 915, 615).tabAt(2),
    kField.idx(3).says(texts::kFieldNames[3]).at(9240, 2280, 915, 615).tabAt(3),
    kSign.idx(0).pos(10140, 1980).text("+"),
    kSign.idx(1).pos(8880, 1980).text("="),

    // Upper row, over the common denominator, read from right to left.
    kStep.idx(0).at(6420, 1620, 2475, 615).tip(texts::kCommonNumerators),
    kStep.idx(1).at(6420, 2280, 2475, 615).tip(texts::kAlikeDenominators),
    kSign.idx(2).pos(6060, 1980).text("=").hidden(),
    kStep.idx(2).at(4740, 1620, 1395, 615).tip(texts::kNumeratorsAdded),
    kStep.idx(3).at(4740, 2280, 1395, 615).tip(texts::kSameDenominator),
    kSign.idx(3).pos(4320, 1980).text("=").hidden(),
    kStep.idx(4).at(3300, 1620, 1035, 615).tip(texts::kReduction),
    kStep.idx(5).at(3300, 2280, 1035, 615).tip(texts::kReduction),
    kSign.idx(4).pos(2880, 1980).text("=").hidden(),
    kStep.idx(6).at(1860, 1980, 1035, 615).tip(texts::kWholeNumber),

    // Lower row, by cross multiplication.
    kSign.idx(5).pos(11460, 4020).text("=").hidden(),
    kStep.idx(7).at(8280, 3660, 3255, 615).tip(texts::kCrossSum),
    kStep.idx(8).at(8280, 4320, 3255, 615).tip(texts::kDenominatorProduct),
    kSign.idx(6).pos(7920, 4020).text("=").hidden(),
    kStep.idx(9).at(5580, 3660, 2415, 615).tip(texts::kCrossSum),
    kStep.idx(10).at(5580, 4320, 2415, 615).tip(texts::kDenominatorProduct),
    kSign.idx(7).pos(5160, 4020).text("=").hidden(),
    kStep.idx(11).at(3900, 3660, 1335, 615).tip(texts::kNumeratorSum),
    kStep.idx(12).at(3900, 4320, 1335, 615).tip(texts::kSameDenominator),
    kSign.idx(8).pos(3480, 3960).text("=").hidden(),
    kStep.idx(13).at(2520, 3660, 1035, 615).tip(texts::kCommonNumerators),
    kStep.idx(14).at(2520, 4320, 1035, 615).tip(texts::kCommonNumerators),
    kSign.idx(9).pos(2160, 3960).text("=").hidden(),
    kStep.idx(15).at(1200, 3960, 1035, 615).tip(texts::kWholeNumber),

    // Bracketed copies of a, b, c, d, never shown.
    kStep.idx(16).at(5700, 3000, 1035, 615).text("1"),
    kStep.idx(17).at(4740, 3000, 1035, 615).text("1"),
    kStep.idx(18).at(3780, 3000, 1035, 615).text("1"),
    kStep.idx(19).at(2760, 3000, 1035, 615).text("1"),

    explanation(kBack).at(1500, 360, 6195, 555),
    instruction(kBack).at(8220, 360, 3435, 615),
    kSolveButton.called("Command1").pos(8340, 3060).tabAt(4),
    kSolveButton.called("Command2").pos(10140, 3060).disabled().tabAt(5),
    kNavigation.called("Command9").text(texts::kBack).pos(10080, 7380).tabAt(35),
    kNavigation.called("Command8").text(texts::kExit).pos(540, 7320).tabAt(36),
    frame("Shape4", ui::kWhite, kBack).at(1260, 180, 6735, 855),
    frame("Shape5", ui::kWhite, kBack).at(8100, 180, 3615, 855),
    frame("Shape9", ui::rgb(0x00FFFF), ui::rgb(0x008080)).at(420, 7200, 1575, 915),
    frame("Shape10", ui::rgb(0x00FFFF), ui::rgb(0x008080)).at(9960, 7260, 1575, 915),
};

constexpr PanelPlacement kPanel{
    .back = kBack,
    .maxLength = 3,
    .numeratorTab = 32,
    .denominatorTab = 33,
    .wholeTab = 34,
    .numerator = {3360, 5640, 795, 495},
    .denominator = {3360, 6360, 795, 555},
    .whole = {2700, 6000, 675, 615},
    .fieldBar = {3360, 4020, 6240},
    .equals = {2160, 6000, 555, 495},
    .resultNumerator = {1200, 5700, 1095, 495},
    .resultDenominator = {1200, 6360, 1035, 435},
    .resultBar = {1320, 1980, 6240},
    .instructions = {4800, 5640, 3795, 1215},
    .instructionsFrame = {4620, 5520, 4215, 1455},
    .fieldsFrame = {2640, 5520, 1755, 1455},
    .resultFrame = {1200, 5520, 1035, 1455},
};

constexpr auto kLayout = withPanel(kScreen, mixedPanel(kPanel));

} // namespace

constexpr SumSettings kAdditionSolution{.name = kAdditionSolutionName,
                                        .caption = texts::kAdditionTitle,
                                        .back = ui::rgb(0x008080),
                                        .layout = kLayout,
                                        .rule = kAddition,
                                        .panelDenominatorReset = "1"};

} // namespace screens
