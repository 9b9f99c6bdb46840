#include "screens/quiz/subtraction_quiz.h"

#include "screens/quiz/subtraction_problems.h"
#include "screens/quiz/panels.h"
#include "screens/quiz/quiz_looks.h"

namespace screens {

namespace {

using namespace quiz;

constexpr ui::Color kGround = ui::rgb(0x004040);
constexpr ui::Color kCyan = ui::rgb(0x00FFFF);
constexpr ui::Color kTeal = ui::rgb(0x008080);
constexpr auto kButton = ui::button("").withFont(kButtonFont).colors(ui::kBlack, kCyan).asGraphical();
constexpr auto kFrame = ui::shape("").roundedCorners().outline(kCyan, 3).filled(kTeal);
constexpr auto kNew = kButton.text(texts::kNew).tip(texts::kChangeQuestion);
constexpr auto kEvaluate = kButton.text(texts::kEvaluate);

constexpr ui::Row kLayout[] = {
    ui::timer("Timer1").every(500),
    ui::timer("Timer2").every(300),
    kLevel1.colors(ui::kWhite, kGround).at(8340, 60, 1935, 375),
    kLevel2.colors(ui::kWhite, kGround).at(6060, 60, 2295, 375),
    kCounter.called("Label7").at(10560, 2640, 375, 375),
    kCounter.called("Label8").at(9360, 2640, 375, 375),
    // The score.
    ui::shape("Shape1").at(360, 240, 1995, 1575).roundedCorners().outline(ui::kWhite, 3).filled(kTeal),
    kScore.called("Label3").at(600, 360, 1455, 615),
    ui::line("Line1", -1, 660, 1020, 2100, 1020).outline(ui::kWhite, 1),
    kScore.called("Label4").at(660, 1080, 1395, 615),
    kButton.called("Command4").text(texts::kClear).at(480, 2760, 1335, 675),
    kFrame.called("Shape4").at(420, 2700, 1455, 795).outline(ui::rgb(0x00C0C0), 3),
    // Upper panel: the problem, the answer boxes, the solution row.
    // Widened to the left, as the instruction needs more room in the Arabic font that stands in for
    // Arial here.
    kInstruction.called("Label5").withFont(ui::arial(14.25, true)).at(7635, 600, 3900, 495),
    kNumber.idx(21).text("4").at(9540, 1080, 735, 495),
    kNumber.idx(20).text("7").at(9540, 1620, 735, 495),
    kSign.idx(15).text("-").at(9180, 1260, 375, 675),
    kNumber.idx(19).text("1").at(8460, 1080, 735, 495),
    kNumber.idx(18).text("7").at(8460, 1620, 735, 495),
    kEquals.idx(14).at(8040, 1320, 375, 675),
    kAnswer.idx(9).says(kFirstProblem.numerator).at(6960, 1080, 1095, 495).tabAt(0),
    kAnswer.idx(8).says(kFirstProblem.denominator).at(6960, 1620, 1095, 495).tabAt(1),
    kEquals.idx(13).at(6600, 1320, 375, 675).hidden(),
    kAnswer.idx(7).says(kFirstProblem.reducedNumerator).at(5640, 1080, 975, 495).hidden().tabAt(2),
    kAnswer.idx(6).says(kFirstProblem.reducedDenominator).at(5640, 1620, 975, 495).hidden().tabAt(3),
    kEquals.idx(12).at(5280, 1320, 375, 675).hidden(),
    kAnswer.idx(5).says(kFirstProblem.whole).at(4320, 1320, 915, 555).hidden().tabAt(4),
    kEquals.idx(11).at(8040, 2580, 375, 555).hidden(),
    kNumber.idx(13).text("3").at(6960, 2280, 1095, 555).hidden(),
    kNumber.idx(14).text("7").at(6960, 2880, 1095, 495).hidden(),
    kEquals.idx(10).at(6600, 2520, 375, 675).hidden(),
    kNumber.idx(15).at(5640, 2340, 975, 495).hidden(),
    kNumber.idx(16).at(5640, 2880, 975, 495).hidden(),
    kEquals.idx(9).at(5220, 2580, 375, 675).hidden(),
    kNumber.idx(17).at(4260, 2580, 975, 495).hidden(),
    kNew.called("Command6").at(10500, 1380, 1035, 495),
    kNew.called("Command5").at(10500, 1380, 1035, 495).hidden(),
    kFrame.called("Shape5").at(10440, 1320, 1155, 615).outline(kTeal, 3).filled(kCyan),
    kEvaluate.called("Command7").at(2340, 2760, 1335, 675),
    kFrame.called("Shape2").at(2280, 2700, 1455, 795).outline(ui::rgb(0x00C0C0), 3),
    ui::line("Line2", -1, 2400, 3780, 11640, 3780).outline(kTeal, 3),
    // Lower panel.
    kInstruction.called("Label6").withFont(ui::arial(15.75, true)).at(6840, 4080, 4275, 495),
    kNumber.idx(0).text("4").at(9600, 4920, 735, 495),
    kNumber.idx(1).text("5").at(9600, 5460, 735, 495),
    kSign.idx(0).text("-").at(9240, 5100, 375, 675),
    kNumber.idx(2).text("3").at(8520, 4920, 735, 495),
    kNumber.idx(3).text("6").at(8520, 5460, 735, 495),
    kEquals.idx(1).at(8100, 5160, 375, 675),
    kAnswer.idx(0).says(kSecondProblem.numerator).at(7020, 4920, 1095, 495).tabAt(5),
    kAnswer.idx(1).says(kSecondProblem.denominator).at(7020, 5460, 1095, 495).tabAt(6),
    kEquals.idx(2).at(6660, 5160, 375, 675),
    kAnswer.idx(2).says(kSecondProblem.reducedNumerator).at(5700, 4920, 975, 495).tabAt(7),
    kAnswer.idx(3).says(kSecondProblem.reducedDenominator).at(5700, 5460, 975, 495).tabAt(8),
    kEquals.idx(3).at(5340, 5160, 375, 675).hidden(),
    kAnswer.idx(4).says(kSecondProblem.whole).at(4380, 5160, 915, 555).hidden().tabAt(9),
    kEquals.idx(4).at(10020, 6480, 375, 555).hidden(),
    kNumber.idx(4).text("24-15").at(8520, 6240, 1515, 495).hidden(),
    kNumber.idx(5).text("30").at(8520, 6780, 1515, 495).hidden(),
    kEquals.idx(5).at(8100, 6480, 375, 675).hidden(),
    kNumber.idx(6).text("9").at(7020, 6240, 1095, 495).hidden(),
    kNumber.idx(7).text("30").at(7020, 6780, 1095, 495).hidden(),
    kEquals.idx(6).at(6660, 6480, 375, 675).hidden(),
    kNumber.idx(8).text("3").at(5700, 6240, 975, 495).hidden(),
    kNumber.idx(9).text("10").at(5700, 6780, 975, 495).hidden(),
    kEquals.idx(7).at(5340, 6480, 375, 555).hidden(),
    kNumber.idx(10).at(4320, 6420, 975, 555).hidden(),
    kNew.called("Command2").at(10560, 5160, 1035, 495),
    kNew.called("Command1").at(10560, 5160, 1035, 480).hidden(),
    kFrame.called("Shape7").at(10440, 5040, 1215, 675).outline(ui::kWhite, 3).filled(kCyan),
    kEvaluate.called("Command3").at(2580, 7200, 1335, 675),
    kFrame.called("Shape3").at(2520, 7140, 1455, 795),
    kButton.called("Command9").text(texts::kBack).at(10320, 7320, 1335, 675),
    kFrame.called("Shape10").at(10260, 7260, 1455, 795),
    kButton.called("Command8").text(texts::kExit).at(840, 7200, 1335, 675),
    kFrame.called("Shape9").at(780, 7140, 1455, 795),
};

const QuizSettings kSettings{
    .name = SubtractionQuiz::kName,
    .caption = "طرح الاعداد النسبية",
    .background = kGround,
    .layout = kLayout,
    .stars = {.chainLeft = 720,
              .chainTop = 4200,
              .flowerLefts = {1740, 960, 180},
              .flowerTop = 1920,
              .large = {{{36, 3360, 120, 600, 585},
                         {49, 4020, 120, 660, 585},
                         {30, 4800, 120, 600, 585},
                         {46, 3480, 4020, 540, 585},
                         {40, 4200, 4020, 600, 585},
                         {39, 4920, 4020, 600, 585}}}},
    .bound1 = 500,
    .bound2 = 400,
    .upper =
        {kUpperPanel, {"Command6", "Command5"}, subtraction::kUpper, kSumUpperPlan, Problem::of(4, 7, 1, 7)},
    .lower =
        {kLowerPanel, {"Command2", "Command1"}, subtraction::kLower, kSumLowerPlan, Problem::of(4, 5, 3, 6)},
    .rule = WholeRule::ReducedAndWhole,
    .everyFourthGate = true,
    .clearHidesStars = true,
    .back = "Command9",
    .exit = "Command8",
    .cancelButton = "Command9",
    // At level 2 Enter in an answer box makes a new upper problem; at level 1 this button is hidden.
    .defaultButton = "Command5",
};

} // namespace

SubtractionQuiz::SubtractionQuiz() : QuizScreen(kSettings) {}

} // namespace screens
