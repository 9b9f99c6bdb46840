#include "screens/quiz/addition_quiz.h"

#include "screens/quiz/addition_problems.h"
#include "screens/quiz/panels.h"
#include "screens/quiz/quiz_looks.h"

namespace screens {

namespace {

using namespace quiz;

constexpr ui::Color kGround = ui::rgb(0x400040);
constexpr auto kButton =
    ui::button("").withFont(kButtonFont).colors(ui::kBlack, ui::rgb(0xC000C0)).asGraphical();
constexpr auto kFrame =
    ui::shape("").roundedCorners().outline(ui::rgb(0xFF00FF), 3).filled(ui::rgb(0x800080));
constexpr auto kNew = kButton.text(texts::kNew);
constexpr auto kEvaluate = kButton.text(texts::kEvaluate);

constexpr ui::Row kLayout[] = {
    ui::timer("Timer1").every(500),
    ui::timer("Timer2").every(300),
    kLevel1.colors(ui::kWhite, kGround).at(8520, 180, 1935, 375),
    kLevel2.colors(ui::kWhite, kGround).at(6060, 180, 2295, 375),
    kCounter.called("Label7").at(10560, 2640, 375, 375),
    kCounter.called("Label8").at(9360, 2640, 375, 375),
    // The score.
    ui::shape("Shape1")
        .at(840, 120, 1995, 1575)
        .roundedCorners()
        .outline(ui::kWhite, 3)
        .filled(ui::rgb(0x004040)),
    kScore.called("Label3").at(1140, 180, 1455, 615),
    ui::line("Line1", -1, 1140, 900, 2580, 900).outline(ui::kWhite, 1),
    kScore.called("Label4").at(1140, 960, 1395, 615),
    kButton.called("Command4").text(texts::kClear).at(420, 2880, 1335, 675),
    kFrame.called("Shape4").at(300, 2760, 1575, 915),
    // Upper panel: the problem, the answer boxes, the solution row.
    // Widened to the left, as the instruction needs more room in the Arabic font that stands in for
    // Arial here.
    kInstruction.called("Label5").withFont(ui::arial(15.75, true)).at(7320, 840, 4275, 495),
    kNumber.idx(21).text("2").at(9540, 1320, 735, 495),
    kNumber.idx(20).text("5").at(9540, 1860, 735, 495),
    kSign.idx(15).text("+").at(9180, 1500, 375, 675),
    kNumber.idx(19).text("4").at(8460, 1320, 735, 495),
    kNumber.idx(18).text("5").at(8460, 1860, 735, 495),
    kEquals.idx(14).at(8040, 1560, 375, 675),
    kAnswer.idx(9).says(kFirstProblem.numerator).at(6960, 1320, 1095, 495).tabAt(0),
    kAnswer.idx(8).says(kFirstProblem.denominator).at(6960, 1860, 1095, 495).tabAt(1),
    kEquals.idx(13).at(6600, 1560, 375, 675).hidden(),
    kAnswer.idx(7).says(kFirstProblem.reducedNumerator).at(5640, 1320, 975, 495).hidden().tabAt(2),
    kAnswer.idx(6).says(kFirstProblem.reducedDenominator).at(5640, 1860, 975, 495).hidden().tabAt(3),
    kEquals.idx(12).at(5280, 1560, 375, 675).hidden(),
    kAnswer.idx(5).says(kFirstProblem.whole).at(4320, 1560, 915, 555).hidden().tabAt(4),
    kEquals.idx(11).at(8040, 2820, 375, 555).hidden(),
    kNumber.idx(13).text("6").at(6960, 2520, 1095, 555).hidden(),
    kNumber.idx(14).text("5").at(6960, 3060, 1095, 495).hidden(),
    kEquals.idx(10).at(6600, 2820, 375, 675).hidden(),
    kNumber.idx(15).at(5640, 2520, 975, 495).hidden(),
    kNumber.idx(16).at(5640, 3060, 975, 495).hidden(),
    kEquals.idx(9).at(5220, 2820, 375, 675).hidden(),
    kNumber.idx(17).at(4260, 2760, 975, 555).hidden(),
    kNew.called("Command5").at(10680, 1560, 1035, 495),
    kNew.called("Command6").at(10680, 1560, 1035, 480).hidden(),
    kFrame.called("Shape5").at(10560, 1440, 1215, 675),
    kEvaluate.called("Command7").at(2220, 2820, 1335, 675),
    kFrame.called("Shape2").at(2100, 2700, 1575, 915),
    ui::line("Line2", -1, 360, 3780, 11700, 3780).outline(ui::kWhite, 5),
    // Lower panel.
    kInstruction.called("Label6").withFont(ui::arial(15.75, true)).at(7200, 4080, 4275, 495),
    kNumber.idx(0).text("2").at(9360, 4860, 735, 495),
    kNumber.idx(1).text("1").at(9360, 5400, 735, 495),
    kSign.idx(0).text("+").at(9000, 5040, 375, 675),
    kNumber.idx(2).text("1").at(8280, 4860, 735, 495),
    kNumber.idx(3).text("3").at(8280, 5400, 735, 495),
    kEquals.idx(1).at(7860, 5100, 375, 675),
    kAnswer.idx(0).says(kSecondProblem.numerator).at(6360, 4860, 1455, 495).maxLen(5).tabAt(5),
    kAnswer.idx(1).says(kSecondProblem.denominator).at(6360, 5400, 1455, 495).tabAt(6),
    kEquals.idx(2).at(6000, 5100, 375, 675).hidden(),
    kAnswer.idx(2).says(kSecondProblem.reducedNumerator).at(4980, 4860, 1095, 495).hidden().tabAt(7),
    kAnswer.idx(3).says(kSecondProblem.reducedDenominator).at(4980, 5400, 1095, 495).hidden().tabAt(8),
    kEquals.idx(3).at(4620, 5100, 375, 675).hidden(),
    kAnswer.idx(4).says(kSecondProblem.whole).at(3600, 5040, 915, 555).hidden().tabAt(9),
    kEquals.idx(4).at(10260, 6420, 375, 555).hidden(),
    kNumber.idx(4).text("6+1").at(8280, 6180, 1995, 495).hidden(),
    kNumber.idx(5).text("3").at(8280, 6720, 1995, 495).hidden(),
    kEquals.idx(5).at(7860, 6420, 375, 675).hidden(),
    kNumber.idx(6).text("7").at(6360, 6180, 1455, 495).hidden(),
    kNumber.idx(7).text("3").at(6360, 6720, 1455, 495).hidden(),
    kEquals.idx(6).at(6000, 6420, 375, 675).hidden(),
    kNumber.idx(8).at(4920, 6180, 1095, 495).hidden(),
    kNumber.idx(9).at(4920, 6720, 1095, 495).hidden(),
    kEquals.idx(7).at(4560, 6420, 375, 555).hidden(),
    kNumber.idx(10).at(3600, 6360, 975, 555).hidden(),
    kNew.called("Command2").at(10440, 5160, 1035, 495),
    kNew.called("Command1").at(10440, 5160, 1035, 480).hidden(),
    kFrame.called("Shape7").at(10380, 5100, 1155, 615),
    kEvaluate.called("Command3").at(2280, 7500, 1335, 675),
    kFrame.called("Shape3").at(2160, 7380, 1575, 915),
    kButton.called("Command9").text(texts::kBack).at(10140, 7560, 1335, 675),
    kFrame.called("Shape10").at(10020, 7440, 1575, 915),
    kButton.called("Command8").text(texts::kExit).at(480, 7500, 1335, 675),
    kFrame.called("Shape9").at(360, 7380, 1575, 915),
};

const QuizSettings kSettings{
    .name = AdditionQuiz::kName,
    .caption = "جمع الأعداد النسبية",
    .background = kGround,
    .layout = kLayout,
    .stars = {.chainLeft = 540,
              .chainTop = 4080,
              .flowerLefts = {2280, 1500, 720},
              .flowerTop = 1800,
              .large = {{{36, 9180, 3120, 600, 585},
                         {30, 9840, 3120, 600, 585},
                         {49, 10560, 3120, 660, 585},
                         {46, 3300, 4080, 540, 585},
                         {40, 4020, 4080, 600, 585},
                         {39, 4740, 4080, 600, 585}}}},
    .bound1 = 500,
    .bound2 = 400,
    .upper =
        {kUpperPanel, {"Command5", "Command6"}, addition::kUpper, kSumUpperPlan, Problem::of(2, 5, 4, 5)},
    .lower =
        {kLowerPanel, {"Command2", "Command1"}, addition::kLower, kSumLowerPlan, Problem::of(2, 1, 1, 3)},
    .rule = WholeRule::ReducedOrWhole,
    .everyFourthGate = false,
    .clearHidesStars = false,
    .back = "Command9",
    .exit = "Command8",
    .cancelButton = "",
    .defaultButton = "",
};

} // namespace

AdditionQuiz::AdditionQuiz() : QuizScreen(kSettings) {}

} // namespace screens
