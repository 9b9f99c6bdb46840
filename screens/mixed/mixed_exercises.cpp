#include "screens/mixed/mixed_exercises.h"

#include <algorithm>
#include <array>
#include <vector>

#include "assets/pictures.h"
#include "fraction/fraction.h"
#include "screens/common/input.h"
#include "screens/common/rewards.h"

namespace screens {

namespace {

using Count = mixed::Count;
using FractionText = mixed::FractionText;
using Pair = MixedExercises::Pair;
using Ref = MixedExercises::Ref;

constexpr ui::Color kPurple = ui::rgb(0x800080);
constexpr ui::Color kButtonBack = ui::rgb(0xC000C0);

constexpr auto kNumber = ui::label("").withFont(ui::arial(18, true)).foreColor(ui::kWhite).center();
constexpr auto kEquals = kNumber.text("=").size(375, 495);
constexpr auto kInstruction = kNumber.withFont(ui::trad(14, true)).rtl();
constexpr auto kScore = kNumber.text("0").silent();
constexpr auto kScoreFrame = ui::shape("ScoreFrame").outline(ui::kWhite, 2);
constexpr auto kAnswerFrame = kScoreFrame.hidden();
constexpr auto kBox = ui::textBox("")
                          .withFont(ui::arial(18, true))
                          .colors(ui::kBlack, ui::kWhite)
                          .center()
                          .bordered()
                          .maxLen(4);
constexpr auto kDarkBox = kBox.withFont(ui::trad(18, true)).colors(ui::kWhite, ui::rgb(0x400000));
constexpr auto kButton =
    ui::button("").withFont(ui::trad(15.75, true)).colors(ui::kBlack, kButtonBack).asGraphical();
constexpr auto kChangeButton = kButton.withFont(ui::arial(18, true)).tip("اضغط لتغيير السؤال");
constexpr auto kNavigation = kButton.withFont(ui::arial(20.25, true));
constexpr auto kStar = ui::image("Image1").size(240, 225).showing(&assets::star).hidden();

constexpr int kSun = 22;

constexpr ui::Row bar(std::string_view name, int index, int x1, int x2, int y) {
    return ui::line(name, index, x1, y, x2, y).outline(ui::kWhite, 2);
}

constexpr ui::Row kLayout[] = {
    // Bands and whole-screen buttons.
    ui::shape("TopBand").at(0, 0, 11880, 2595).filled(kPurple).outline(kPurple, 1),
    ui::shape("BottomBand").at(0, 5280, 11880, 3210).filled(kPurple).outline(kPurple, 1),
    kButton.called("Command11").text("غير جميع الأسئلة").at(10080, 0, 1635, 555).tabAt(14),
    kButton.called("Command7").text("الدرجات").at(2520, 420, 1095, 555).tabAt(15),
    kButton.called("Command8").text("مسح الدرجات").at(300, 420, 1635, 555).tabAt(16),
    kNavigation.called("Command9").text("رجوع").at(10020, 7440, 1335, 675).tabAt(17),
    kNavigation.called("Command10").text("خروج").at(420, 7200, 1335, 675).tabAt(18),

    // Exercise 1: a mixed number as a fraction.
    kInstruction.called("Label6")
        .text("ضع العدد النسبي على صورة بسط ومقام")
        .colors(ui::kYellow, kPurple)
        .at(6660, 600, 4335, 615),
    kNumber.called("Label1", 2).text("2").at(9300, 1620, 555, 495),
    kNumber.called("Label1", 0).text("1").at(9840, 1380, 735, 495),
    bar("Line1", -1, 9900, 10440, 1800),
    kNumber.called("Label1", 1).text("3").at(9840, 1860, 735, 495),
    kEquals.called("Label3", 0).pos(8760, 1620),
    kBox.called("Text2", 0).says("السؤال الأول: بسط الكسر").at(7800, 1260, 975, 555).tabAt(1),
    kBox.called("Text2", 1).says("السؤال الأول: مقام الكسر").at(7800, 1860, 975, 555).tabAt(0),
    kButton.called("Command1").text("التصحيح").at(5160, 420, 1095, 555).tabAt(8),
    kChangeButton.called("Command2").text("(1)").at(11040, 540, 675, 675).tabAt(9),
    kNumber.called("Label4").text("7").at(5220, 1320, 915, 495).hidden(),
    bar("Line2", -1, 5220, 6180, 1800).hidden(),
    kNumber.called("Label5").text("3").at(5160, 1860, 975, 435).hidden(),
    kAnswerFrame.called("Shape2").at(4920, 1260, 1395, 1155),

    // Exercise 2: a fraction in its simplest form.
    kInstruction.called("Label2")
        .text("ضع العدد النسبي الآتي في أبسط صورة")
        .backColor(ui::rgb(0x400040))
        .at(7020, 2760, 3915, 675),
    kNumber.called("Label7", 0).text("10").at(9780, 3600, 675, 495),
    bar("Line3", -1, 9840, 10440, 4080),
    kNumber.called("Label7", 1).text("15").at(9780, 4200, 675, 495),
    kEquals.called("Label3", 1).pos(9060, 3840),
    kDarkBox.called("Text1", 0)
        .says("السؤال الثاني: بسط الكسر في أبسط صورة")
        .at(8280, 3480, 855, 615)
        .tabAt(3),
    kDarkBox.called("Text1", 1)
        .says("السؤال الثاني: مقام الكسر في أبسط صورة")
        .at(8280, 4080, 855, 615)
        .tabAt(2),
    kButton.called("Command4").text("التصحيح").backColor(kPurple).at(5160, 2760, 1095, 555).tabAt(10),
    kChangeButton.called("Command3").text("(2)").backColor(kPurple).at(11040, 2760, 675, 675).tabAt(11),
    kNumber.called("Label8").text("2").at(5160, 3600, 915, 495).hidden(),
    bar("Line5", -1, 5160, 6000, 4080).hidden(),
    kNumber.called("Label9").text("3").at(5160, 4140, 915, 435).hidden(),
    kAnswerFrame.called("Shape4").at(4920, 3540, 1395, 1155),
    kBox.called("Text3", 2)
        .says("السؤال الثالث: العدد المضروب فيه")
        .text("2")
        .at(240, 4080, 915, 555)
        .hidden(),

    // Exercise 3: two fractions equal to a given one.
    kInstruction.called("Label11")
        .text("اكتب عددان نسبيان مساويان للعدد التالي")
        .backColor(kPurple)
        .at(7020, 5400, 3915, 615),
    kNumber.called("Label14", 0).text("5").at(10080, 6180, 705, 435),
    bar("Line6", 1, 10140, 10800, 6660),
    kNumber.called("Label14", 1).text("3").at(10080, 6720, 825, 435),
    kEquals.called("Label3", 5).pos(9420, 6420),
    kBox.called("Text3", 0).says("السؤال الثالث: بسط الكسر المساوي الأول").at(8580, 6060, 915, 555).tabAt(5),
    kBox.called("Text3", 1).says("السؤال الثالث: مقام الكسر المساوي الأول").at(8580, 6600, 915, 555).tabAt(4),
    kEquals.called("Label3", 2).pos(8040, 6420),
    kBox.called("Text3", 3).says("السؤال الثالث: بسط الكسر المساوي الثاني").at(7200, 6060, 915, 555).tabAt(7),
    kBox.called("Text3", 4)
        .says("السؤال الثالث: مقام الكسر المساوي الثاني")
        .at(7200, 6600, 915, 555)
        .tabAt(6),
    kButton.called("Command6").text("التصحيح").at(5160, 5280, 1095, 555).tabAt(12),
    kChangeButton.called("Command5").text("(3)").at(11040, 5340, 675, 675).tabAt(13),
    kEquals.called("Label3", 4).pos(6600, 6360).hidden(),
    kNumber.called("Label12", 0).text("10").at(5940, 6060, 735, 495).hidden(),
    kNumber.called("Label12", 1).text("6").at(5940, 6600, 735, 495).hidden(),
    bar("Line6", 0, 6060, 6540, 6540).hidden(),
    kEquals.called("Label3", 3).pos(5640, 6300).hidden(),
    kNumber.called("Label13", 0).text("15").at(4980, 6120, 735, 495).hidden(),
    kNumber.called("Label13", 1).text("9").at(5040, 6600, 735, 495).hidden(),
    bar("Line6", 2, 5040, 5520, 6540).hidden(),
    kAnswerFrame.called("Shape5").at(4920, 6000, 2115, 1215),

    // Reward pictures of the three exercises' pyramids and the sun that opens the total's group.
    kStar.idx(0).pos(4080, 1200),
    kStar.idx(1).pos(4440, 1920),
    kStar.idx(2).pos(4200, 1920),
    kStar.idx(3).pos(3960, 1920),
    kStar.idx(4).pos(3720, 1920),
    kStar.idx(5).pos(4080, 1680),
    kStar.idx(6).pos(3840, 1680),
    kStar.idx(7).pos(4320, 1680),
    kStar.idx(8).pos(3960, 1440),
    kStar.idx(9).pos(4200, 1440),
    kStar.idx(10).pos(4140, 3720),
    kStar.idx(11).pos(4500, 4440),
    kStar.idx(12).pos(4260, 4440),
    kStar.idx(13).pos(4020, 4440),
    kStar.idx(14).pos(3780, 4440),
    kStar.idx(15).pos(3900, 4200),
    kStar.idx(16).pos(4140, 4200),
    kStar.idx(17).pos(4380, 4200),
    kStar.idx(18).pos(4020, 3960),
    kStar.idx(19).pos(4260, 3960),
    kStar.idx(20).pos(4200, 6180),
    kStar.idx(21).pos(4080, 6420),
    kStar.idx(30).pos(4200, 6660),
    kStar.idx(23).pos(4560, 6900),
    kStar.idx(24).pos(4320, 6900),
    kStar.idx(25).pos(4080, 6900),
    kStar.idx(26).pos(3840, 6900),
    kStar.idx(27).pos(4320, 6420),
    kStar.idx(28).pos(4440, 6660),
    kStar.idx(29).pos(3960, 6660),
    ui::image("Image1", kSun).at(120, 2340, 480, 480).showing(&assets::sun).hidden(),
};

// Score pairs, earned over possible: exercises 1, 2, 3 and the total.
constexpr ui::Row kScores[][2] = {
    {kScore.called("Label15").at(2580, 1260, 915, 495), kScore.called("Label16").at(2580, 1860, 915, 435)},
    {kScore.called("Label17").at(2460, 3600, 1215, 495), kScore.called("Label18").at(2520, 4200, 1095, 435)},
    {kScore.called("Label19").at(2400, 6120, 1155, 495), kScore.called("Label20").at(2400, 6720, 1155, 435)},
    {kScore.called("Label21").at(360, 1080, 1515, 555), kScore.called("Label22").at(360, 1800, 1515, 615)},
};
constexpr int kScoreFrameMargin = 30;

// Each score pair reads as a fraction: a bar between its two labels and a frame around them.
void addScorePairs(std::vector<ui::Row>& items) {
    int index = 0;
    for (const auto& [earned, possible] : kScores) {
        const int left = std::min(earned.left, possible.left);
        const int right = std::max(earned.left + earned.width, possible.left + possible.width);
        const int bottom = possible.top + possible.height;
        items.push_back(earned);
        items.push_back(possible);
        items.push_back(bar("ScoreBar", index, left, right, (earned.top + earned.height + possible.top) / 2));
        items.push_back(kScoreFrame.idx(index++).at(left - kScoreFrameMargin, earned.top - kScoreFrameMargin,
                                                    right - left + 2 * kScoreFrameMargin,
                                                    bottom - earned.top + 2 * kScoreFrameMargin));
    }
}

// The total's 30 stars, Image1(31) to Image1(60): four rows under the total's score, each filled
// from the left; the two upper rows start beside the sun, which comes first.
constexpr int kStarRowTops[] = {2460, 2815, 3170, 3525};
constexpr int kStarPitch = 255;
constexpr int kStarColumns = 9;
constexpr int kColumnsBesideTheSun = 6;

std::vector<ui::Row> screenLayout() {
    std::vector<ui::Row> items(std::begin(kLayout), std::end(kLayout));
    addScorePairs(items);
    int index = 31;
    for (int row = 0; row < 4; ++row) {
        const int firstColumn = row < 2 ? kStarColumns - kColumnsBesideTheSun : 0;
        for (int column = firstColumn; column < kStarColumns; ++column)
            items.push_back(kStar.idx(index++).pos(60 + kStarPitch * column, kStarRowTops[row]));
    }
    return items;
}

constexpr int kMixedNumberRewards[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kSimplestFormRewards[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
constexpr int kEqualFractionsRewards[] = {20, 21, 30, 23, 24, 25, 26, 27, 28, 29};
// The sun, then Image1(31) to Image1(60).
constexpr auto kTotalRewards = [] {
    std::array<int, 31> order{22};
    for (int i = 1; i < 31; ++i)
        order[i] = 30 + i;
    return order;
}();

constexpr MixedExercises::Exercise kMixedNumber{"Label15", "Label16", kMixedNumberRewards};
constexpr MixedExercises::Exercise kSimplestForm{"Label17", "Label18", kSimplestFormRewards};
constexpr MixedExercises::Exercise kEqualFractions{"Label19", "Label20", kEqualFractionsRewards};
constexpr std::string_view kTotalEarned = "Label21";
constexpr std::string_view kTotalPossible = "Label22";

constexpr Pair kMixedNumberBoxes{{"Text2", 0}, {"Text2", 1}};
constexpr Pair kMixedNumberExpected{{"Label4"}, {"Label5"}};
constexpr Ref kMixedNumberAnswer[] = {{"Label4"}, {"Label5"}, {"Line2"}, {"Shape2"}};

constexpr Pair kSimplestFormBoxes{{"Text1", 0}, {"Text1", 1}};
constexpr Pair kSimplestFormQuestion{{"Label7", 0}, {"Label7", 1}};
constexpr Pair kSimplestFormExpected{{"Label8"}, {"Label9"}};
constexpr Ref kSimplestFormAnswer[] = {{"Label8"}, {"Label9"}, {"Line5"}, {"Shape4"}};
constexpr Ref kMultiplier{"Text3", 2};

constexpr Pair kGivenFraction{{"Label14", 0}, {"Label14", 1}};
constexpr Pair kFirstBoxes{{"Text3", 0}, {"Text3", 1}};
constexpr Pair kSecondBoxes{{"Text3", 3}, {"Text3", 4}};
constexpr Pair kFirstShown{{"Label12", 0}, {"Label12", 1}};
constexpr Pair kSecondShown{{"Label13", 0}, {"Label13", 1}};
constexpr Ref kEqualFractionsAnswer[] = {{"Shape5"},     {"Label12", 0}, {"Label12", 1},
                                         {"Label13", 1}, {"Label13", 0}, {"Line6", 0},
                                         {"Line6", 2},   {"Label3", 3},  {"Label3", 4}};

} // namespace

MixedExercises::MixedExercises() : Form(kName, "اسئلة منوعة", 11880, 8490, ui::rgb(0x400040)) {
    build(screenLayout());
    bindHandlers();
    // Enter changes the first question only while its answer boxes are empty, so it never throws
    // away an answer the pupil typed.
    setDefaultButton("Command2", [this] { return typed(kMixedNumberBoxes) == FractionText{}; });
    setCancelButton("Command9");
    bindBack("Command9");
    bindExit("Command10");
    addSpokenTexts();
}

// Screen readers hear each score pair as one text, and the reward pictures as one count.
void MixedExercises::addSpokenTexts() {
    constexpr std::string_view kScoreNames[] = {"السؤال الأول: الدرجات ", "السؤال الثاني: الدرجات ",
                                                "السؤال الثالث: الدرجات ", "المجموع: الدرجات "};
    for (size_t i = 0; i < std::size(kScores); ++i)
        addSpokenText([this, i, name = kScoreNames[i]] {
            return std::string(name) + label(kScores[i][0].name).caption() + " من " +
                   label(kScores[i][1].name).caption();
        });
    addSpokenText([this] {
        int stars = 0;
        for (const QWidget* picture : array("Image1"))
            stars += ui::shown(*picture) && picture != &image("Image1", kSun);
        return "عدد النجوم المضيئة " + fraction::numberText(stars) +
               (ui::shown(image("Image1", kSun)) ? "، والشمس" : "");
    });
}

void MixedExercises::bindHandlers() {
    for (std::string_view boxes : {"Text1", "Text2", "Text3"}) {
        onChange(boxes, [this, boxes](int i) { filterInput(textBox(boxes, i)); });
        onGotFocus(boxes, [this, boxes](int i) { textBox(boxes, i).selectWhole(); });
    }
    onClick("Command2", [this](int) { newMixedNumber(); });
    onChange("Label1", [this](int) { showMixedNumberAsFraction(); });
    onClick("Command1", [this](int) { checkMixedNumber(); });
    onClick("Command3", [this](int) { newSimplestForm(); });
    onClick("Command4", [this](int) { checkSimplestForm(); });
    onClick("Command5", [this](int) { newGivenFraction(); });
    onClick("Command6", [this](int) { checkEqualFractions(); });
    onChange("Label12", [this](int) { keepApart(kFirstShown, kSecondShown); });
    onChange("Label13", [this](int) { keepApart(kSecondShown, kFirstShown); });
    for (const Exercise* exercise : {&kMixedNumber, &kSimplestForm, &kEqualFractions})
        onChange(exercise->earned, [this, exercise](int) { rewardExercise(*exercise); });
    onChange(kTotalEarned, [this](int) { rewardTotal(); });
    onClick("Command11", [this](int) { changeAllQuestions(); });
    onClick("Command7", [this](int) { markOpenQuestions(); });
    onClick("Command8", [this](int) { clearMarks(); });
}

// Exercise 1 ----------------------------------------------------------------------------------------

void MixedExercises::newMixedNumber() {
    setShown(kMixedNumberAnswer, false);
    empty(kMixedNumberBoxes);
    const mixed::MixedNumber next = mixed::nextMixedNumber(mixedNumber());
    label("Label1", 0).setCaption(next.numerator);
    label("Label1", 1).setCaption(next.denominator);
    label("Label1", 2).setCaption(next.whole);
    button("Command1").setEnabled(true);
}

void MixedExercises::showMixedNumberAsFraction() {
    setCaptions(kMixedNumberExpected, mixed::asFraction(mixedNumber()));
}

void MixedExercises::checkMixedNumber() {
    setShown(kMixedNumberAnswer, true);
    apply(kMixedNumber, mixed::markMixedNumber(captions(kMixedNumberExpected), typed(kMixedNumberBoxes)));
    button("Command1").setEnabled(false);
    button("Command2").setEnabled(true);
}

// Exercise 2 ----------------------------------------------------------------------------------------

void MixedExercises::newSimplestForm() {
    setShown(kSimplestFormAnswer, false);
    empty(kSimplestFormBoxes);
    ui::TextBox& multiplier = textBox(kMultiplier.name, kMultiplier.index);
    const mixed::SimplestForm next =
        mixed::nextSimplestForm(captions(kSimplestFormExpected), multiplier.value());
    setCaptions(kSimplestFormQuestion, next.question);
    multiplier.assign(next.multiplier);
    setCaptions(kSimplestFormExpected, next.answer);
    button("Command4").setEnabled(true);
}

void MixedExercises::checkSimplestForm() {
    setShown(kSimplestFormAnswer, true);
    apply(kSimplestForm, mixed::markSimplestForm(label("Label7", 0).caption(),
                                                 captions(kSimplestFormExpected), typed(kSimplestFormBoxes)));
    button("Command3").setEnabled(true);
    button("Command4").setEnabled(false);
}

// Exercise 3 ----------------------------------------------------------------------------------------

void MixedExercises::newGivenFraction() {
    empty(kFirstBoxes);
    empty(kSecondBoxes);
    setShown(kEqualFractionsAnswer, false);
    const FractionText given = mixed::nextGivenFraction(captions(kGivenFraction));
    setCaptions(kGivenFraction, given);
    setCaptions(kFirstShown, mixed::multiple(given, 2));
    setCaptions(kSecondShown, mixed::multiple(given, 3));
    button("Command6").setEnabled(true);
}

void MixedExercises::checkEqualFractions() {
    setShown(kEqualFractionsAnswer, true);
    const FractionText given = captions(kGivenFraction);
    acceptEqualFraction(kFirstBoxes, kFirstShown, given);
    acceptEqualFraction(kSecondBoxes, kSecondShown, given);
    apply(kEqualFractions, {{Count::Possible, 2}, {Count::TotalPossible, 2}});
    button("Command6").setEnabled(false);
    button("Command5").setEnabled(true);
}

// A right fraction earns its mark and takes the place of one of the shown answers.
void MixedExercises::acceptEqualFraction(const Pair& boxes, const Pair& shown, const FractionText& given) {
    const FractionText answer = typed(boxes);
    if (!mixed::isEqualFraction(answer, given))
        return;
    apply(kEqualFractions, {{Count::Earned, 1}, {Count::TotalEarned, 1}});
    setCaptions(shown, answer);
}

void MixedExercises::keepApart(const Pair& changed, const Pair& other) {
    const std::string numerator = label(changed.numerator.name, changed.numerator.index).caption();
    if (mixed::mustDoubleOther(numerator, label(other.numerator.name, other.numerator.index).caption()))
        setCaptions(other, mixed::multiple(captions(other), 2));
}

// Marks and rewards ---------------------------------------------------------------------------------

// The earned label is always raised before the possible one, so the ratio here uses the possible
// marks as they stood before the current answer.
void MixedExercises::rewardExercise(const Exercise& exercise) {
    const double earned = fraction::value(label(exercise.earned).caption());
    if (rewards::aboveFourFifths(earned, fraction::value(label(exercise.possible).caption())))
        showNextReward(exercise.rewards);
}

void MixedExercises::rewardTotal() {
    if (mixed::earnsTotalReward(fraction::value(label(kTotalEarned).caption())))
        showNextReward(kTotalRewards);
}

void MixedExercises::showNextReward(std::span<const int> order) {
    const auto isShown = [this](int picture) { return ui::shown(image("Image1", picture)); };
    image("Image1", rewards::nextToShow(order, isShown)).show();
}

void MixedExercises::changeAllQuestions() {
    for (std::string_view change : {"Command2", "Command3", "Command5"})
        button(change).press();
}

// A check button is enabled exactly while its question is open, and pressing a disabled button does
// nothing, so each open question is marked once.
void MixedExercises::markOpenQuestions() {
    for (std::string_view check : {"Command1", "Command4", "Command6"})
        button(check).press();
}

void MixedExercises::clearMarks() {
    for (QWidget* picture : array("Image1"))
        picture->hide();
    for (const Pair* boxes : {&kSimplestFormBoxes, &kMixedNumberBoxes, &kFirstBoxes, &kSecondBoxes})
        empty(*boxes);
    // Setting the total earned to 0 runs its reward check, which shows the sun again.
    for (std::string_view score :
         {"Label22", "Label21", "Label20", "Label19", "Label18", "Label17", "Label16", "Label15"})
        label(score).setCaption("0");
    spokenTextsChanged();
}

// Reading and writing the widgets -------------------------------------------------------------------

mixed::MixedNumber MixedExercises::mixedNumber() const {
    return {label("Label1", 2).caption(), label("Label1", 0).caption(), label("Label1", 1).caption()};
}

FractionText MixedExercises::captions(const Pair& labels) const {
    return {label(labels.numerator.name, labels.numerator.index).caption(),
            label(labels.denominator.name, labels.denominator.index).caption()};
}

void MixedExercises::setCaptions(const Pair& labels, const FractionText& fraction) {
    label(labels.numerator.name, labels.numerator.index).setCaption(fraction.numerator);
    label(labels.denominator.name, labels.denominator.index).setCaption(fraction.denominator);
}

FractionText MixedExercises::typed(const Pair& boxes) const {
    return {fraction::trimmed(textBox(boxes.numerator.name, boxes.numerator.index).value()),
            fraction::trimmed(textBox(boxes.denominator.name, boxes.denominator.index).value())};
}

void MixedExercises::empty(const Pair& boxes) {
    textBox(boxes.numerator.name, boxes.numerator.index).assign("");
    textBox(boxes.denominator.name, boxes.denominator.index).assign("");
}

void MixedExercises::setShown(std::span<const Ref> widgets, bool shown) {
    for (const Ref& ref : widgets)
        widget(ref.name, ref.index).setVisible(shown);
}

void MixedExercises::apply(const Exercise& exercise, const mixed::Marking& marking) {
    for (const mixed::Step& step : marking) {
        switch (step.count) {
        case Count::Earned:
            addMarks(exercise.earned, step.amount);
            break;
        case Count::Possible:
            addMarks(exercise.possible, step.amount);
            break;
        case Count::TotalEarned:
            addMarks(kTotalEarned, step.amount);
            break;
        case Count::TotalPossible:
            addMarks(kTotalPossible, step.amount);
            break;
        }
    }
}

// Adds to a score caption; the change runs the label's reward check at once.
void MixedExercises::addMarks(std::string_view scoreLabel, int amount) {
    ui::Label& score = label(scoreLabel);
    score.setCaption(fraction::numberText(fraction::value(score.caption()) + amount));
    spokenTextsChanged();
}

} // namespace screens
