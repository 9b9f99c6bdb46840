#include "screens/quiz/multiplication_quiz.h"

#include "screens/quiz/multiplication_problems.h"
#include "screens/quiz/panels.h"
#include "screens/quiz/quiz_looks.h"

namespace screens {

namespace {

using namespace quiz;

constexpr ui::Color kGround = ui::rgb(0x000040);
constexpr auto kButton =
    ui::button("").withFont(kButtonFont).colors(ui::kBlack, ui::rgb(0xC0C0FF)).asGraphical();
// The rounded frames behind the buttons reach 120 twips beyond them on every side.
constexpr auto kFrame =
    ui::shape("").roundedCorners().outline(ui::rgb(0x0000FF), 3).filled(ui::rgb(0x8080FF));
constexpr auto kNew = kButton.text(texts::kNew).tip(texts::kChangeQuestion);
constexpr auto kEvaluate = kButton.text(texts::kEvaluate);
// The answer boxes of this screen take numbers of any length.
constexpr auto kBox = kAnswer.backColor(ui::rgb(0x400040)).maxLen(0);
constexpr auto kTimesSign = kSign.text("×");

constexpr ui::Row kLayout[] = {
    ui::timer("Timer1").every(500),
    ui::timer("Timer2").every(300),
    kLevel1.colors(ui::kWhite, kGround).asGraphical().at(8100, 180, 1935, 375).tabAt(20),
    kLevel2.colors(ui::kWhite, kGround).asGraphical().at(5820, 180, 2295, 375).tabAt(19),
    kCounter.called("Label7").at(10320, 2520, 375, 375),
    kCounter.called("Label8").at(9120, 2520, 375, 375),
    // The score.
    ui::shape("Shape1")
        .at(840, 240, 1935, 1575)
        .roundedCorners()
        .outline(ui::kWhite, 3)
        .filled(ui::rgb(0x008080)),
    kScore.called("Label3").at(900, 300, 1695, 615),
    ui::line("Line1", -1, 900, 1020, 2640, 1020).outline(ui::kWhite, 1),
    kScore.called("Label4").at(900, 1140, 1755, 615),
    kButton.called("Command4").text(texts::kClear).at(540, 2820, 1335, 615).tabAt(13),
    kFrame.called("Shape4").at(420, 2700, 1575, 855),
    // Upper panel: a fraction times a whole number, the answer boxes, the solution row.
    // The instruction needs more room in the Arabic font at hand: the label reaches further left over
    // empty ground, so it stays on one line.
    kInstruction.called("Label5").withFont(ui::arial(15.75, true)).at(7500, 660, 4335, 495),
    kNew.called("Command5").at(10380, 1320, 1035, 495).tabAt(12),
    kNew.called("Command6").at(10380, 1320, 1035, 495).hidden().tabAt(11),
    kFrame.called("Shape5").at(10260, 1200, 1275, 735),
    kNumber.idx(21).text("2").at(9420, 1080, 735, 495),
    kNumber.idx(20).text("5").at(9420, 1560, 735, 495),
    kTimesSign.idx(15).at(9060, 1320, 375, 675),
    kNumber.idx(19).text("4").at(8340, 1320, 735, 495),
    kEquals.idx(14).at(7920, 1320, 375, 675),
    kBox.idx(9).says(kFirstProblem.numerator).at(6720, 1020, 1215, 495).tabAt(1),
    kBox.idx(8).says(kFirstProblem.denominator).at(6720, 1560, 1215, 495).tabAt(2),
    kEquals.idx(13).at(6360, 1260, 375, 675).hidden(),
    kBox.idx(7).says(kFirstProblem.reducedNumerator).at(5280, 1020, 1095, 495).hidden().tabAt(3),
    kBox.idx(6).says(kFirstProblem.reducedDenominator).at(5280, 1560, 1095, 495).hidden().tabAt(4),
    kEquals.idx(12).at(4920, 1320, 375, 675).hidden(),
    kBox.idx(5).says(kFirstProblem.whole).at(3720, 1200, 1155, 555).hidden().tabAt(5),
    kEquals.idx(11).at(7920, 2640, 375, 555).hidden(),
    kNumber.idx(13).text("8").at(6840, 2340, 1095, 555).hidden(),
    kNumber.idx(14).text("5").at(6840, 2880, 1095, 495).hidden(),
    kEquals.idx(10).at(6480, 2580, 375, 675).hidden(),
    kNumber.idx(15).at(5520, 2400, 975, 495).hidden(),
    kNumber.idx(16).at(5520, 2880, 975, 495).hidden(),
    kEquals.idx(9).at(4920, 2640, 375, 675).hidden(),
    kNumber.idx(17).at(3840, 2640, 1095, 495).hidden(),
    kEvaluate.called("Command7").at(2280, 2820, 1335, 615).tabAt(0),
    kFrame.called("Shape2").at(2160, 2700, 1575, 855),
    ui::line("Line2", -1, 2220, 3720, 11460, 3720).outline(ui::rgb(0x008080), 5),
    // Lower panel: a fraction times a fraction.
    kInstruction.called("Label6").withFont(ui::arial(15.75, true)).at(7140, 4140, 4275, 495),
    kNew.called("Command2").at(10380, 5280, 1035, 495).tabAt(15),
    kNew.called("Command1").at(10380, 5280, 1035, 480).hidden().tabAt(16),
    kFrame.called("Shape7").at(10260, 5160, 1275, 735),
    kNumber.idx(0).text("2").at(9420, 5040, 735, 495),
    kNumber.idx(1).text("5").at(9420, 5580, 735, 495),
    kTimesSign.idx(0).at(9060, 5220, 375, 675),
    kNumber.idx(2).text("7").at(8340, 5040, 735, 495),
    kNumber.idx(3).text("3").at(8340, 5580, 735, 495),
    kEquals.idx(1).at(7920, 5280, 375, 675),
    kBox.idx(0).says(kSecondProblem.numerator).at(6840, 5040, 1095, 495).tabAt(6),
    kBox.idx(1).says(kSecondProblem.denominator).at(6840, 5580, 1095, 495).tabAt(7),
    kEquals.idx(2).at(6480, 5280, 375, 675).hidden(),
    kBox.idx(2).says(kSecondProblem.reducedNumerator).at(5520, 5040, 975, 495).hidden().tabAt(8),
    kBox.idx(3).says(kSecondProblem.reducedDenominator).at(5520, 5580, 975, 495).hidden().tabAt(9),
    kEquals.idx(3).at(5160, 5280, 375, 675).hidden(),
    kBox.idx(4).says(kSecondProblem.whole).at(4200, 5280, 915, 555).hidden().tabAt(10),
    kEquals.idx(4).at(9840, 6600, 375, 555).hidden(),
    kNumber.idx(4).text("2×7").at(8340, 6360, 1515, 495).hidden(),
    kNumber.idx(5).text("5×3").at(8340, 6900, 1515, 495).hidden(),
    kEquals.idx(5).at(7920, 6600, 375, 675).hidden(),
    kNumber.idx(6).text("14").at(6840, 6360, 1095, 495).hidden(),
    kNumber.idx(7).text("15").at(6840, 6900, 1095, 495).hidden(),
    kEquals.idx(6).at(6480, 6600, 375, 675).hidden(),
    kNumber.idx(8).at(5520, 6360, 975, 495).hidden(),
    kNumber.idx(9).at(5520, 6900, 975, 495).hidden(),
    kEquals.idx(7).at(5160, 6600, 375, 555).hidden(),
    kNumber.idx(10).at(4140, 6540, 975, 555).hidden(),
    kEvaluate.called("Command3").at(2340, 7260, 1335, 675).tabAt(14),
    kFrame.called("Shape3").at(2220, 7140, 1575, 915),
    kButton.called("Command8").text(texts::kBack).at(10080, 7260, 1335, 675).tabAt(17),
    kFrame.called("Shape9").at(9960, 7140, 1575, 915),
    kButton.called("Command9").text(texts::kExit).at(540, 7260, 1335, 675).tabAt(18),
    kFrame.called("Shape10").at(420, 7140, 1575, 915),
};

// The upper panel's whole number n stands alone: there is no fourth problem label to write.
constexpr PanelWidgets kTimesWholeUpperPanel = [] {
    PanelWidgets panel = kUpperPanel;
    panel.problem = {21, 20, 19, -1};
    return panel;
}();

// Every step is worth half a point. The result pair's second half is the uncancelled product's
// denominator, by value below and by size above; the reduced pair's second half is one of its terms.
// clang-format off
constexpr Step kLowerPlan[] = {
    {.guard = {}, .typed = kResult, .expected = kResult, .kind = Comparison::FractionValue, .weight = 0.5},
    {.guard = {}, .typed = {Term::Denominator}, .expected = {Term::Denominator},
     .kind = Comparison::NumberValue, .weight = 0.5},
    {.guard = {.shown = Term::Whole}, .typed = kWhole, .expected = kWhole,
     .kind = Comparison::NumberSize, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = kReduced, .expected = kResult,
     .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator, .hidden = Term::Whole}, .typed = {Term::ReducedNumerator},
     .expected = {Term::ReducedNumerator}, .kind = Comparison::NumberSize, .weight = 0.5},
};
// clang-format on
// clang-format off
constexpr Step kUpperPlan[] = {
    {.guard = {}, .typed = kResult, .expected = kResult, .kind = Comparison::FractionValue, .weight = 0.5},
    {.guard = {}, .typed = {Term::Denominator}, .expected = {Term::Denominator},
     .kind = Comparison::NumberSize, .weight = 0.5},
    {.guard = {.shown = Term::Whole}, .typed = kWhole, .expected = kWhole,
     .kind = Comparison::NumberSize, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = kReduced, .expected = kResult,
     .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {.shown = Term::ReducedDenominator, .hidden = Term::Whole}, .typed = {Term::ReducedDenominator},
     .expected = {Term::ReducedDenominator}, .kind = Comparison::NumberSize, .weight = 0.5},
};
// clang-format on

const QuizSettings kSettings{
    .name = MultiplicationQuiz::kName,
    .caption = "الضرب في الأعداد النسبية",
    .background = kGround,
    .layout = kLayout,
    .stars = {.chainLeft = 720,
              .chainTop = 4140,
              .flowerLefts = {2220, 1440, 660},
              .flowerTop = 1920,
              .large = {{{36, 3480, 3720, 600, 585},
                         {30, 4200, 3720, 600, 585},
                         {49, 4920, 3720, 660, 585},
                         {46, 3510, 4260, 540, 585},
                         {40, 4200, 4260, 600, 585},
                         {39, 4950, 4260, 600, 585}}}},
    .bound1 = 453,
    .bound2 = 400,
    .upper = {kTimesWholeUpperPanel,
              {"Command5", "Command6"},
              multiplication::kUpper,
              kUpperPlan,
              Problem::of(2, 5, 4)},
    .lower =
        {kLowerPanel, {"Command2", "Command1"}, multiplication::kLower, kLowerPlan, Problem::of(2, 5, 7, 3)},
    .rule = WholeRule::ReducedOrWhole,
    .everyFourthGate = false,
    .clearHidesStars = false,
    .back = "Command8",
    .exit = "Command9",
    .cancelButton = "Command8",
    .defaultButton = "",
};

} // namespace

MultiplicationQuiz::MultiplicationQuiz() : QuizScreen(kSettings) {}

} // namespace screens
