#include "screens/mixed/mixed_exercises.h"

#include <array>
#include <utility>

#include "fraction/fraction.h"
#include "screens/common/input.h"
#include "screens/common/rewards.h"
#include "screens/mixed/mixed_layout.h"
#include "screens/mixed/texts.h"

namespace screens {

namespace {

using Count = mixed::Count;

constexpr int kMixedNumberRewards[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kSimplestFormRewards[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
constexpr int kEqualFractionsRewards[] = {20, 21, 30, 23, 24, 25, 26, 27, 28, 29};
// The sun, then the total's stars.
constexpr auto kTotalRewards = [] {
    std::array<int, 31> order{mixed::kSun};
    for (int i = 1; i < 31; ++i)
        order[i] = 30 + i;
    return order;
}();

} // namespace

MixedExercises::MixedExercises()
    : Form(kName, mixed::texts::kTitle, 11880, 8490, ui::rgb(0x400040)),
      parts_(mixed::buildParts(*this)), exercises_{{{parts_.scores[0], kMixedNumberRewards},
                                                    {parts_.scores[1], kSimplestFormRewards},
                                                    {parts_.scores[2], kEqualFractionsRewards}}} {
    bindHandlers();
    showMixedNumber();
    showSimplestForm();
    showGivenFraction();
    // Enter changes the first question only while its answer boxes are empty, so it never throws
    // away an answer the pupil typed.
    setDefaultButton(parts_.mixedNumber.change,
                     [this] { return typed(parts_.mixedNumber.boxes) == mixed::Answer{}; });
    setCancelButton(parts_.back);
    bindBack(parts_.back);
    bindExit(parts_.exit);
    mixed::addSpokenTexts(*this, parts_);
}

// Every box, the hidden multiplier too, goes through the input filter and is selected whole on entry.
void MixedExercises::bindBoxes() {
    for (ui::TextBox* box : parts_.boxes) {
        box->onChange = [box] { filterInput(*box); };
        box->onGotFocus = [box] { box->selectWhole(); };
    }
}

void MixedExercises::bindHandlers() {
    bindBoxes();
    parts_.mixedNumber.change.onClick = [this] { newMixedNumber(); };
    parts_.mixedNumber.check.onClick = [this] { checkMixedNumber(); };
    parts_.simplestForm.change.onClick = [this] { newSimplestForm(); };
    parts_.simplestForm.check.onClick = [this] { checkSimplestForm(); };
    parts_.equalFractions.change.onClick = [this] { newGivenFraction(); };
    parts_.equalFractions.check.onClick = [this] { checkEqualFractions(); };
    for (const Exercise& exercise : exercises_)
        exercise.score.earned.onChange = [this, &exercise] { rewardExercise(exercise); };
    parts_.total.earned.onChange = [this] { rewardTotal(); };
    parts_.changeAll.onClick = [this] { changeAllQuestions(); };
    parts_.markOpen.onClick = [this] { markOpenQuestions(); };
    parts_.clearMarks.onClick = [this] { clearMarks(); };
}

// Exercise 1 ----------------------------------------------------------------------------------------

void MixedExercises::newMixedNumber() {
    const mixed::MixedNumberParts& exercise = parts_.mixedNumber;
    setShown(exercise.answer, false);
    empty(exercise.boxes);
    mixedNumber_ = mixed::nextMixedNumber(mixedNumber_);
    showMixedNumber();
    exercise.check.setEnabled(true);
}

// The mixed number, and the fraction it is written as, hidden until the question is marked.
void MixedExercises::showMixedNumber() {
    const mixed::MixedNumberParts& exercise = parts_.mixedNumber;
    show(exercise.fraction, mixedNumber_.part);
    exercise.whole.setCaption(fraction::numberText(mixedNumber_.whole));
    show(exercise.expected, mixed::asFraction(mixedNumber_));
}

void MixedExercises::checkMixedNumber() {
    const mixed::MixedNumberParts& exercise = parts_.mixedNumber;
    setShown(exercise.answer, true);
    apply(exercises_[0], mixed::markMixedNumber(mixed::asFraction(mixedNumber_), typed(exercise.boxes)));
    exercise.check.setEnabled(false);
    exercise.change.setEnabled(true);
}

// Exercise 2 ----------------------------------------------------------------------------------------

void MixedExercises::newSimplestForm() {
    const mixed::SimplestFormParts& exercise = parts_.simplestForm;
    setShown(exercise.answer, false);
    empty(exercise.boxes);
    simplestForm_ = mixed::nextSimplestForm(simplestForm_);
    showSimplestForm();
    exercise.check.setEnabled(true);
}

void MixedExercises::showSimplestForm() {
    const mixed::SimplestFormParts& exercise = parts_.simplestForm;
    show(exercise.question, simplestForm_.question);
    exercise.multiplier.assign(fraction::numberText(simplestForm_.multiplier));
    show(exercise.expected, simplestForm_.answer);
}

void MixedExercises::checkSimplestForm() {
    const mixed::SimplestFormParts& exercise = parts_.simplestForm;
    setShown(exercise.answer, true);
    apply(exercises_[1], mixed::markSimplestForm(simplestForm_, typed(exercise.boxes)));
    exercise.change.setEnabled(true);
    exercise.check.setEnabled(false);
}

// Exercise 3 ----------------------------------------------------------------------------------------

void MixedExercises::newGivenFraction() {
    const mixed::EqualFractionsParts& exercise = parts_.equalFractions;
    for (const FractionBoxes& boxes : exercise.boxes)
        empty(boxes);
    setShown(exercise.answer, false);
    given_ = mixed::nextGivenFraction(given_);
    showGivenFraction();
    exercise.check.setEnabled(true);
}

// The given fraction, and its double and triple as the equal fractions shown once it is marked.
void MixedExercises::showGivenFraction() {
    show(parts_.equalFractions.given, given_);
    showEqualFraction(0, mixed::Answer::of(mixed::multiple(given_, 2)));
    showEqualFraction(1, mixed::Answer::of(mixed::multiple(given_, 3)));
}

void MixedExercises::checkEqualFractions() {
    const mixed::EqualFractionsParts& exercise = parts_.equalFractions;
    setShown(exercise.answer, true);
    acceptEqualFraction(0);
    acceptEqualFraction(1);
    apply(exercises_[2], {{Count::Possible, 2}, {Count::TotalPossible, 2}});
    exercise.check.setEnabled(false);
    exercise.change.setEnabled(true);
}

// A right fraction earns its mark and takes the place of the shown answer on its side.
void MixedExercises::acceptEqualFraction(std::size_t side) {
    const mixed::Answer answer = typed(parts_.equalFractions.boxes[side]);
    if (!mixed::isEqualFraction(answer, given_))
        return;
    apply(exercises_[2], {{Count::Earned, 1}, {Count::TotalEarned, 1}});
    showEqualFraction(side, answer);
}

// Shows one of the two equal fractions caption by caption, numerator first. Each caption that changes
// keeps the two apart at once, before the next is written, so a doubling of the other happens there.
void MixedExercises::showEqualFraction(std::size_t side, const mixed::Answer& fraction) {
    const FractionLabels& labels = parts_.equalFractions.shown[side];
    const mixed::Answer before = std::exchange(equalFractions_[side], fraction);
    const mixed::Answer& now = equalFractions_[side];
    labels.numerator.setCaption(now.numerator.text);
    if (now.numerator != before.numerator)
        keepApart(side);
    labels.denominator.setCaption(now.denominator.text);
    if (now.denominator != before.denominator)
        keepApart(side);
}

void MixedExercises::keepApart(std::size_t changed) {
    const std::size_t other = 1 - changed;
    if (const auto doubled = mixed::doubledToKeepApart(equalFractions_[changed], equalFractions_[other]))
        showEqualFraction(other, *doubled);
}

// Marks and rewards ---------------------------------------------------------------------------------

// The earned label is always raised before the possible one, so the ratio here uses the possible
// marks as they stood before the current answer.
void MixedExercises::rewardExercise(const Exercise& exercise) {
    if (rewards::aboveFourFifths(exercise.score.earned.number(), exercise.score.possible.number()))
        showNextReward(exercise.rewards);
}

void MixedExercises::rewardTotal() {
    if (mixed::earnsTotalReward(parts_.total.earned.number()))
        showNextReward(kTotalRewards);
}

void MixedExercises::showNextReward(std::span<const int> order) {
    const auto isShown = [this](int picture) { return ui::shown(*parts_.pictures[picture]); };
    parts_.pictures[rewards::nextToShow(order, isShown)]->show();
}

void MixedExercises::changeAllQuestions() {
    for (ui::Button* change :
         {&parts_.mixedNumber.change, &parts_.simplestForm.change, &parts_.equalFractions.change})
        change->press();
}

// A check button is enabled exactly while its question is open, and pressing a disabled button does
// nothing, so each open question is marked once.
void MixedExercises::markOpenQuestions() {
    for (ui::Button* check :
         {&parts_.mixedNumber.check, &parts_.simplestForm.check, &parts_.equalFractions.check})
        check->press();
}

void MixedExercises::clearMarks() {
    for (ui::Image* picture : parts_.pictures)
        picture->hide();
    for (const FractionBoxes* boxes : {&parts_.simplestForm.boxes, &parts_.mixedNumber.boxes,
                                       &parts_.equalFractions.boxes[0], &parts_.equalFractions.boxes[1]})
        empty(*boxes);
    // Setting the total earned to 0 runs its reward check, which shows the sun again.
    for (const Score* score : {&parts_.total, &parts_.scores[2], &parts_.scores[1], &parts_.scores[0]}) {
        score->possible.setNumber(0);
        score->earned.setNumber(0);
    }
    spokenTextsChanged();
}

// Showing and reading the parts ---------------------------------------------------------------------

void MixedExercises::show(const FractionLabels& labels, const mixed::Answer& fraction) {
    labels.numerator.setCaption(fraction.numerator.text);
    labels.denominator.setCaption(fraction.denominator.text);
}

void MixedExercises::show(const FractionLabels& labels, const mixed::Fraction& fraction) {
    show(labels, mixed::Answer::of(fraction));
}

mixed::Answer MixedExercises::typed(const FractionBoxes& boxes) {
    return mixed::Answer::read(boxes.numerator.value(), boxes.denominator.value());
}

void MixedExercises::empty(const FractionBoxes& boxes) {
    boxes.numerator.assign("");
    boxes.denominator.assign("");
}

void MixedExercises::setShown(std::span<QWidget* const> widgets, bool shown) {
    for (QWidget* widget : widgets)
        widget->setVisible(shown);
}

void MixedExercises::apply(const Exercise& exercise, const mixed::Marking& marking) {
    for (const mixed::Step& step : marking) {
        switch (step.count) {
        case Count::Earned:
            addMarks(exercise.score.earned, step.amount);
            break;
        case Count::Possible:
            addMarks(exercise.score.possible, step.amount);
            break;
        case Count::TotalEarned:
            addMarks(parts_.total.earned, step.amount);
            break;
        case Count::TotalPossible:
            addMarks(parts_.total.possible, step.amount);
            break;
        }
    }
}

// Adds to a score; the change runs the label's reward check at once.
void MixedExercises::addMarks(ui::Label& score, int amount) {
    score.setNumber(score.number() + amount);
    spokenTextsChanged();
}

} // namespace screens
