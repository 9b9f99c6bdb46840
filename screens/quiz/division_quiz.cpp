#include "screens/quiz/division_quiz.h"

#include "screens/quiz/division_problems.h"
#include "screens/quiz/panels.h"
#include "screens/quiz/quiz_looks.h"

namespace screens {

namespace {

using namespace quiz;

constexpr ui::Color kGround = ui::rgb(0x400000);
constexpr auto kButton =
    ui::button("").withFont(kButtonFont).colors(ui::kBlack, ui::rgb(0xFF8080)).asGraphical();
// The rounded frames behind the buttons reach 120 twips beyond them on every side.
constexpr auto kFrame =
    ui::shape("").roundedCorners().outline(ui::rgb(0xFF0000), 3).filled(ui::rgb(0x800000));
constexpr auto kNewFrame = kFrame.outline(ui::rgb(0xC00000), 3).filled(ui::rgb(0xFFC0C0));
constexpr auto kNew = kButton.text(texts::kNew).tip(texts::kChangeQuestion);
constexpr auto kEvaluate = kButton.text(texts::kEvaluate);
constexpr auto kBox = kAnswer.backColor(ui::rgb(0x400040));
constexpr auto kDivideSign = kSign.text("÷");
constexpr auto kTimesSign = kSign.text("×");

constexpr ui::Row kLayout[] = {
    ui::timer("Timer1").every(500),
    ui::timer("Timer2").every(300),
    kLevel1.colors(ui::kWhite, kGround).asGraphical().at(7500, 180, 1935, 375).tabAt(27),
    kLevel2.colors(ui::kWhite, kGround).asGraphical().at(5220, 180, 2295, 375).tabAt(28),
    kCounter.called("Label7").at(10680, 2580, 375, 375),
    kCounter.called("Label8").at(9480, 2580, 375, 375),
    // The score.
    ui::shape("Shape1")
        .at(600, 300, 1995, 1635)
        .roundedCorners()
        .outline(ui::kWhite, 3)
        .filled(ui::rgb(0x008080)),
    kScore.called("Label3").at(720, 420, 1695, 615),
    ui::line("Line1", -1, 780, 1140, 2400, 1140).outline(ui::kWhite, 1),
    kScore.called("Label4").at(720, 1260, 1635, 615),
    kButton.called("Command4").text(texts::kClear).at(360, 3000, 1095, 615).tabAt(21),
    kFrame.called("Shape4").at(240, 2880, 1335, 855),
    // Upper panel: a fraction over a whole number; the dividend again times the reciprocal, the
    // product, its reduced form and its whole number; the solution row under them.
    kNew.called("Command5").at(10260, 360, 1035, 495).tabAt(22),
    kNew.called("Command6").at(10260, 360, 1035, 495).hidden().tabAt(23),
    kNewFrame.called("Shape5").at(10140, 240, 1275, 735),
    // Tall enough for one line of the instruction: the label reaches down to the boxes.
    kInstruction.called("Label5").withFont(ui::arial(15.75, true)).at(5040, 660, 4275, 420),
    kNumber.idx(21).text("2").at(10620, 1080, 735, 495),
    kNumber.idx(20).text("5").at(10620, 1620, 735, 495),
    kDivideSign.idx(15).at(10200, 1380, 375, 675),
    kNumber.idx(19).text("4").at(9420, 1320, 735, 495),
    kEquals.idx(14).at(9060, 1380, 375, 675),
    kBox.idx(10).says(kFirstProblem.copiedNumerator).at(8280, 1080, 795, 495).tabAt(0),
    kBox.idx(11).says(kFirstProblem.copiedDenominator).at(8280, 1620, 795, 495).tabAt(1),
    kTimesSign.idx(8).at(7920, 1320, 375, 675),
    kBox.idx(12).says(kFirstProblem.reciprocalNumerator).at(7080, 1080, 855, 495).tabAt(2),
    kBox.idx(13).says(kFirstProblem.reciprocalDenominator).at(7080, 1620, 855, 495).tabAt(3),
    kEquals.idx(16).at(6720, 1320, 375, 675),
    kBox.idx(9).says(kFirstProblem.numerator).at(5820, 1080, 915, 495).tabAt(4),
    kBox.idx(8).says(kFirstProblem.denominator).at(5820, 1620, 915, 495).tabAt(5),
    kEquals.idx(13).at(5460, 1320, 375, 675),
    kBox.idx(7).says(kFirstProblem.reducedNumerator).at(4620, 1080, 855, 495).tabAt(6),
    kBox.idx(6).says(kFirstProblem.reducedDenominator).at(4620, 1620, 855, 495).tabAt(7),
    kEquals.idx(12).at(4260, 1320, 375, 675).hidden(),
    kBox.idx(5).says(kFirstProblem.whole).at(3300, 1260, 915, 555).hidden().tabAt(8),
    kEquals.idx(18).at(9120, 2520, 375, 675).hidden(),
    kNumber.idx(22).text("2").at(8280, 2280, 795, 555).hidden(),
    kNumber.idx(18).text("5").at(8280, 2880, 795, 495).hidden(),
    kTimesSign.idx(17).at(7920, 2520, 375, 675).hidden(),
    kNumber.idx(12).text("1").at(7080, 2280, 855, 555).hidden(),
    kNumber.idx(11).text("4").at(7080, 2880, 855, 495).hidden(),
    kEquals.idx(11).at(6720, 2580, 375, 555).hidden(),
    kNumber.idx(13).text("2").at(5820, 2280, 915, 555).hidden(),
    kNumber.idx(14).text("20").at(5820, 2880, 915, 495).hidden(),
    kEquals.idx(10).at(5460, 2520, 375, 675).hidden(),
    kNumber.idx(15).text("1").at(4620, 2280, 855, 555).hidden(),
    kNumber.idx(16).text("10").at(4620, 2880, 855, 495).hidden(),
    kEquals.idx(9).at(4260, 2580, 375, 555).hidden(),
    kNumber.idx(17).at(3300, 2520, 915, 555).hidden(),
    kEvaluate.called("Command7").at(1800, 3000, 1095, 615).tabAt(24),
    kFrame.called("Shape2").at(1680, 2880, 1335, 855),
    ui::line("Line2", -1, 1980, 3840, 11760, 3840).outline(ui::rgb(0x804000), 5),
    // Lower panel: a fraction over a fraction, in the same stages.
    kNew.called("Command2").at(10260, 4140, 1035, 495).tabAt(19),
    kNew.called("Command1").at(10260, 4140, 1035, 480).hidden().tabAt(18),
    kNewFrame.called("Shape7").at(10140, 4020, 1275, 735),
    kInstruction.called("Label6").withFont(ui::arial(15.75, true)).at(5220, 4140, 4275, 495),
    kNumber.idx(0).text("2").at(10620, 4860, 735, 495),
    kNumber.idx(1).text("4").at(10620, 5400, 735, 495),
    kDivideSign.idx(0).at(10260, 5040, 375, 675),
    kNumber.idx(2).text("1").at(9540, 4860, 735, 495),
    kNumber.idx(3).text("3").at(9540, 5400, 735, 495),
    kEquals.idx(21).at(9060, 5100, 375, 675),
    kBox.idx(17).says(kSecondProblem.copiedNumerator).at(8160, 4860, 855, 495).tabAt(9),
    kBox.idx(16).says(kSecondProblem.copiedDenominator).at(8160, 5400, 855, 495).tabAt(10),
    kTimesSign.idx(22).at(7800, 5100, 375, 675),
    kBox.idx(15).says(kSecondProblem.reciprocalNumerator).at(6960, 4860, 855, 495).tabAt(11),
    kBox.idx(14).says(kSecondProblem.reciprocalDenominator).at(6960, 5400, 855, 495).tabAt(12),
    kEquals.idx(1).at(6900, 5280, 375, 675), // behind the reciprocal pair
    kEquals.idx(23).at(6540, 5100, 375, 675),
    kBox.idx(0).says(kSecondProblem.numerator).at(5460, 4860, 975, 495).tabAt(13),
    kBox.idx(1).says(kSecondProblem.denominator).at(5460, 5400, 975, 495).tabAt(14),
    kEquals.idx(2).at(5040, 5160, 375, 675),
    kBox.idx(2).says(kSecondProblem.reducedNumerator).at(4020, 4860, 975, 495).tabAt(15),
    kBox.idx(3).says(kSecondProblem.reducedDenominator).at(4020, 5400, 975, 495).tabAt(16),
    kEquals.idx(3).at(3660, 5160, 375, 675).hidden(),
    kBox.idx(4).says(kSecondProblem.whole).at(2700, 5100, 915, 555).hidden().tabAt(17),
    kEquals.idx(20).at(10620, 6480, 375, 675).hidden(),
    kNumber.idx(26).text("2").at(9720, 6240, 855, 495).hidden(),
    kNumber.idx(25).text("4").at(9720, 6780, 855, 495).hidden(),
    kTimesSign.idx(19).at(9360, 6480, 375, 675).hidden(),
    kNumber.idx(24).text("3").at(8580, 6240, 795, 495).hidden(),
    kNumber.idx(23).text("1").at(8580, 6780, 795, 495).hidden(),
    kEquals.idx(4).at(8220, 6480, 375, 555).hidden(),
    // Wide enough that "-14 × 16" stays on one line.
    kNumber.idx(4).text("2×3").at(6780, 6240, 1455, 495).hidden(),
    kNumber.idx(5).text("4×1").at(6780, 6780, 1455, 495).hidden(),
    kEquals.idx(5).at(6480, 6480, 375, 675).hidden(),
    kNumber.idx(6).text("6").at(5460, 6240, 975, 495).hidden(),
    kNumber.idx(7).text("4").at(5460, 6780, 975, 495).hidden(),
    kEquals.idx(6).at(4980, 6480, 375, 675).hidden(),
    kNumber.idx(8).text("3").at(4080, 6240, 915, 495).hidden(),
    kNumber.idx(9).text("2").at(4080, 6780, 915, 495).hidden(),
    kEquals.idx(7).at(3720, 6480, 375, 555).hidden(),
    kNumber.idx(10).at(2760, 6420, 915, 555).hidden(),
    kEvaluate.called("Command3").at(2340, 7380, 1095, 615).tabAt(20),
    kFrame.called("Shape3").at(2220, 7260, 1335, 855),
    kButton.called("Command9").text(texts::kBack).at(10200, 7380, 1095, 615).tabAt(26),
    kFrame.called("Shape10").at(10080, 7260, 1335, 855),
    kButton.called("Command8").text(texts::kExit).at(480, 7380, 1095, 615).tabAt(25),
    kFrame.called("Shape9").at(360, 7260, 1335, 855),
};

// Each panel has two answer pairs and two pairs of solution labels more than the engine's panels:
// the dividend rewritten and the reciprocal of the divisor. Their labels are never empty, so the
// reveal shows them all; their "=" and "×" signs show with the row.
constexpr int kAllUpperBoxes[] = {5, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr int kUpperRowLabels[] = {11, 12, 13, 14, 15, 16, 17, 18, 22};
constexpr RowSign kUpperRowSigns[] = {
    {18}, {17}, {10, Term::ReducedNumerator}, {9, Term::Whole}, {11, Term::Numerator}};
constexpr int kAllLowerBoxes[] = {14, 15, 16, 17, 0, 1, 2, 3, 4};
constexpr int kLowerRowLabels[] = {23, 24, 25, 26, 4, 5, 6, 7, 8, 9, 10};
constexpr RowSign kLowerRowSigns[] = {{20},
                                      {19},
                                      {5, Term::Numerator},
                                      {6, Term::ReducedNumerator},
                                      {7, Term::Whole},
                                      {4, Term::WorkingNumerator}};

constexpr PanelWidgets kOverWholeUpperPanel = [] {
    PanelWidgets panel = kUpperPanel;
    panel.problem = {21, 20, 19, -1};
    panel.copy = {22, 18};
    panel.reciprocal = {12, 11};
    panel.copyBoxes = {10, 11};
    panel.reciprocalBoxes = {12, 13};
    panel.answerBoxes = kAllUpperBoxes;
    panel.rowLabels = kUpperRowLabels;
    panel.rowSigns = kUpperRowSigns;
    return panel;
}();
constexpr PanelWidgets kOverFractionLowerPanel = [] {
    PanelWidgets panel = kLowerPanel;
    panel.copy = {26, 25};
    panel.reciprocal = {24, 23};
    panel.copyBoxes = {17, 16};
    panel.reciprocalBoxes = {15, 14};
    panel.answerBoxes = kAllLowerBoxes;
    panel.rowLabels = kLowerRowLabels;
    panel.rowSigns = kLowerRowSigns;
    return panel;
}();

// The dividend copied is marked against the problem's first fraction.
constexpr Terms kDividend{Term::A, Term::B};

// Every step is worth half a point. Above, everything is exact text but the 1 of the reciprocal
// and the reduced pair; below, the stages are judged by value and the reciprocal by size.
// clang-format off
constexpr Step kLowerPlan[] = {
    {.guard = {}, .typed = kCopy, .expected = kDividend, .kind = Comparison::FractionValue, .weight = 0.5},
    {.guard = {}, .typed = kReciprocal, .expected = {Term::D, Term::C},
     .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {}, .typed = kResult, .expected = kResult, .kind = Comparison::FractionValue, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = kReduced, .expected = kResult,
     .kind = Comparison::FractionValue, .weight = 0.5},
    {.guard = {.shown = Term::Whole}, .typed = kWhole, .expected = kWhole,
     .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = {Term::ReducedNumerator},
     .expected = {Term::ReducedNumerator}, .kind = Comparison::WholeText, .weight = 0.5},
};
// clang-format on
// clang-format off
constexpr Step kUpperPlan[] = {
    {.guard = {}, .typed = kCopy, .expected = kDividend, .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {}, .typed = kReciprocal, .expected = {Term::None, Term::C},
     .kind = Comparison::UnitOverWhole, .weight = 0.5},
    {.guard = {}, .typed = {Term::Numerator}, .expected = {Term::Numerator},
     .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {}, .typed = {Term::Denominator}, .expected = {Term::Denominator},
     .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {.shown = Term::Whole}, .typed = kWhole, .expected = kWhole,
     .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = kReduced, .expected = kReduced,
     .kind = Comparison::FractionSize, .weight = 0.5},
};
// clang-format on

const QuizSettings kSettings{
    .name = DivisionQuiz::kName,
    .caption = "قسمة الاعداد النسبية",
    .background = kGround,
    .layout = kLayout,
    .stars = {.chainLeft = 300,
              .chainTop = 4260,
              .flowerLefts = {1980, 1200, 420},
              .flowerTop = 2100,
              .large = {{{36, 2940, 180, 600, 585},
                         {30, 3660, 180, 600, 585},
                         {49, 4380, 180, 660, 585},
                         {46, 3060, 4080, 540, 585},
                         {40, 3720, 4080, 600, 585},
                         {39, 4500, 4080, 600, 585}}}},
    .bound1 = 453,
    .bound2 = 400,
    .upper =
        {kOverWholeUpperPanel, {"Command5", "Command6"}, division::kUpper, kUpperPlan, Problem::of(2, 5, 4)},
    .lower = {kOverFractionLowerPanel,
              {"Command2", "Command1"},
              division::kLower,
              kLowerPlan,
              Problem::of(2, 4, 1, 3)},
    .rule = WholeRule::ReducedAndWhole,
    .everyFourthGate = true,
    .clearHidesStars = true,
    .back = "Command9",
    .exit = "Command8",
    .cancelButton = "Command9",
    // At level 2 Enter in an answer box makes a new lower problem; at level 1 this button is hidden.
    .defaultButton = "Command1",
};

} // namespace

DivisionQuiz::DivisionQuiz() : QuizScreen(kSettings) {}

} // namespace screens
