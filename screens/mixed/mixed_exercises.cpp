#include "screens/mixed/mixed_exercises.h"

#include <algorithm>
#include <array>
#include <vector>

#include "fraction/fraction.h"
#include "screens/common/input.h"
#include "screens/common/rewards.h"
#include "screens/mixed/mixed_layout.h"
#include "screens/mixed/widget_refs.h"

namespace screens {

namespace {

using Count = mixed::Count;
using FractionText = mixed::FractionText;
using Pair = mixed::FractionWidgets;
using Ref = mixed::WidgetRef;
using Exercise = mixed::ExerciseWidgets;
using mixed::kScoreLabels;
using mixed::kSun;

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

constexpr Exercise kMixedNumber{kScoreLabels[0].earned, kScoreLabels[0].possible, kMixedNumberRewards};
constexpr Exercise kSimplestForm{kScoreLabels[1].earned, kScoreLabels[1].possible, kSimplestFormRewards};
constexpr Exercise kEqualFractions{kScoreLabels[2].earned, kScoreLabels[2].possible, kEqualFractionsRewards};
constexpr std::string_view kTotalEarned = kScoreLabels[3].earned;
constexpr std::string_view kTotalPossible = kScoreLabels[3].possible;

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
    build(mixed::screenLayout());
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
    for (size_t i = 0; i < std::size(kScoreLabels); ++i)
        addSpokenText([this, i, name = kScoreNames[i]] {
            return std::string(name) + label(kScoreLabels[i].earned).caption() + " من " +
                   label(kScoreLabels[i].possible).caption();
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
