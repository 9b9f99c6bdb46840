#include "screens/mixed/mixed_exercises.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

#include "fraction/fraction.h"
#include "screens/common/input.h"
#include "screens/common/rewards.h"
#include "screens/mixed/mixed_layout.h"
#include "screens/mixed/texts.h"

namespace screens {

namespace {

using Count = mixed::Count;
using FractionText = mixed::FractionText;
using mixed::kScoreLabels;

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
      parts_(buildParts()), exercises_{{{parts_.scores[0], kMixedNumberRewards},
                                        {parts_.scores[1], kSimplestFormRewards},
                                        {parts_.scores[2], kEqualFractionsRewards}}} {
    bindHandlers();
    // Enter changes the first question only while its answer boxes are empty, so it never throws
    // away an answer the pupil typed.
    setDefaultButton(parts_.mixedNumber.change,
                     [this] { return typed(parts_.mixedNumber.boxes) == FractionText{}; });
    setCancelButton(parts_.back);
    bindBack(parts_.back);
    bindExit(parts_.exit);
    addSpokenTexts();
}

// Builds the screen from its layout table and binds, once, the parts its handlers act on.
mixed::Parts MixedExercises::buildParts() {
    build(mixed::screenLayout());
    const auto score = [this](const mixed::ScoreLabels& names) {
        return Score{label(names.earned), label(names.possible)};
    };
    std::vector<ui::TextBox*> boxes;
    for (std::string_view name : {"Text1", "Text2", "Text3"})
        std::ranges::copy(array<ui::TextBox>(name), std::back_inserter(boxes));
    return {
        .mixedNumber = {.whole = label("Label1", 2),
                        .fraction = {label("Label1", 0), label("Label1", 1)},
                        .boxes = {textBox("Text2", 0), textBox("Text2", 1)},
                        .expected = {label("Label4"), label("Label5")},
                        .answer = {&widget("Label4"), &widget("Label5"), &widget("Line2"), &widget("Shape2")},
                        .check = button("Command1"),
                        .change = button("Command2")},
        .simplestForm = {.question = {label("Label7", 0), label("Label7", 1)},
                         .boxes = {textBox("Text1", 0), textBox("Text1", 1)},
                         .expected = {label("Label8"), label("Label9")},
                         .answer = {&widget("Label8"), &widget("Label9"), &widget("Line5"),
                                    &widget("Shape4")},
                         .multiplier = textBox("Text3", 2),
                         .check = button("Command4"),
                         .change = button("Command3")},
        .equalFractions = {.given = {label("Label14", 0), label("Label14", 1)},
                           .firstBoxes = {textBox("Text3", 0), textBox("Text3", 1)},
                           .secondBoxes = {textBox("Text3", 3), textBox("Text3", 4)},
                           .firstShown = {label("Label12", 0), label("Label12", 1)},
                           .secondShown = {label("Label13", 0), label("Label13", 1)},
                           .answer = {&widget("Shape5"), &widget("Label12", 0), &widget("Label12", 1),
                                      &widget("Label13", 1), &widget("Label13", 0), &widget("Line6", 0),
                                      &widget("Line6", 2), &widget("Label3", 3), &widget("Label3", 4)},
                           .check = button("Command6"),
                           .change = button("Command5")},
        .scores = {score(kScoreLabels[0]), score(kScoreLabels[1]), score(kScoreLabels[2])},
        .total = score(kScoreLabels[3]),
        .pictures = array<ui::Image>("Image1"),
        .sun = image("Image1", mixed::kSun),
        .boxes = std::move(boxes),
        .changeAll = button("Command11"),
        .markOpen = button("Command7"),
        .clearMarks = button("Command8"),
        .back = button("Command9"),
        .exit = button("Command10"),
    };
}

// Screen readers hear each score pair as one text, and the reward pictures as one count.
void MixedExercises::addSpokenTexts() {
    const auto spoken = [this](std::string_view name, const Score& score) {
        addSpokenText([name, score] {
            return std::string(name) + score.earned.caption() + std::string(mixed::texts::kOutOf) +
                   score.possible.caption();
        });
    };
    for (size_t i = 0; i < parts_.scores.size(); ++i)
        spoken(mixed::texts::kExerciseScores[i], parts_.scores[i]);
    spoken(mixed::texts::kTotalScore, parts_.total);
    addSpokenText([this] {
        const auto stars = std::ranges::count_if(parts_.pictures, [this](const ui::Image* picture) {
            return ui::shown(*picture) && picture != &parts_.sun;
        });
        return std::string(mixed::texts::kShiningStars) + fraction::numberText(static_cast<double>(stars)) +
               std::string(ui::shown(parts_.sun) ? mixed::texts::kAndTheSun : "");
    });
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
    const mixed::MixedNumberParts& first = parts_.mixedNumber;
    first.change.onClick = [this] { newMixedNumber(); };
    for (ui::Label* caption : {&first.fraction.numerator, &first.fraction.denominator, &first.whole})
        caption->onChange = [this] { showMixedNumberAsFraction(); };
    first.check.onClick = [this] { checkMixedNumber(); };
    parts_.simplestForm.change.onClick = [this] { newSimplestForm(); };
    parts_.simplestForm.check.onClick = [this] { checkSimplestForm(); };
    const mixed::EqualFractionsParts& third = parts_.equalFractions;
    third.change.onClick = [this] { newGivenFraction(); };
    third.check.onClick = [this] { checkEqualFractions(); };
    for (ui::Label* caption : {&third.firstShown.numerator, &third.firstShown.denominator})
        caption->onChange = [this] {
            keepApart(parts_.equalFractions.firstShown, parts_.equalFractions.secondShown);
        };
    for (ui::Label* caption : {&third.secondShown.numerator, &third.secondShown.denominator})
        caption->onChange = [this] {
            keepApart(parts_.equalFractions.secondShown, parts_.equalFractions.firstShown);
        };
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
    const mixed::MixedNumber next = mixed::nextMixedNumber(mixedNumber());
    exercise.fraction.numerator.setNumber(next.numerator);
    exercise.fraction.denominator.setNumber(next.denominator);
    exercise.whole.setNumber(next.whole);
    exercise.check.setEnabled(true);
}

void MixedExercises::showMixedNumberAsFraction() {
    setCaptions(parts_.mixedNumber.expected, mixed::asFraction(mixedNumber()));
}

void MixedExercises::checkMixedNumber() {
    const mixed::MixedNumberParts& exercise = parts_.mixedNumber;
    setShown(exercise.answer, true);
    apply(exercises_[0], mixed::markMixedNumber(captions(exercise.expected), typed(exercise.boxes)));
    exercise.check.setEnabled(false);
    exercise.change.setEnabled(true);
}

// Exercise 2 ----------------------------------------------------------------------------------------

void MixedExercises::newSimplestForm() {
    const mixed::SimplestFormParts& exercise = parts_.simplestForm;
    setShown(exercise.answer, false);
    empty(exercise.boxes);
    const mixed::SimplestForm next =
        mixed::nextSimplestForm(numbers(exercise.expected), exercise.multiplier.number());
    setCaptions(exercise.question, next.question);
    exercise.multiplier.assign(next.multiplier);
    setCaptions(exercise.expected, next.answer);
    exercise.check.setEnabled(true);
}

void MixedExercises::checkSimplestForm() {
    const mixed::SimplestFormParts& exercise = parts_.simplestForm;
    setShown(exercise.answer, true);
    apply(exercises_[1], mixed::markSimplestForm(exercise.question.numerator.number(),
                                                 captions(exercise.expected), typed(exercise.boxes)));
    exercise.change.setEnabled(true);
    exercise.check.setEnabled(false);
}

// Exercise 3 ----------------------------------------------------------------------------------------

void MixedExercises::newGivenFraction() {
    const mixed::EqualFractionsParts& exercise = parts_.equalFractions;
    empty(exercise.firstBoxes);
    empty(exercise.secondBoxes);
    setShown(exercise.answer, false);
    const Fraction given = mixed::nextGivenFraction(numbers(exercise.given));
    setNumbers(exercise.given, given);
    setNumbers(exercise.firstShown, mixed::multiple(given, 2));
    setNumbers(exercise.secondShown, mixed::multiple(given, 3));
    exercise.check.setEnabled(true);
}

void MixedExercises::checkEqualFractions() {
    const mixed::EqualFractionsParts& exercise = parts_.equalFractions;
    setShown(exercise.answer, true);
    const FractionText given = captions(exercise.given);
    acceptEqualFraction(exercise.firstBoxes, exercise.firstShown, given);
    acceptEqualFraction(exercise.secondBoxes, exercise.secondShown, given);
    apply(exercises_[2], {{Count::Possible, 2}, {Count::TotalPossible, 2}});
    exercise.check.setEnabled(false);
    exercise.change.setEnabled(true);
}

// A right fraction earns its mark and takes the place of one of the shown answers.
void MixedExercises::acceptEqualFraction(const FractionBoxes& boxes, const FractionLabels& shown,
                                         const FractionText& given) {
    const FractionText answer = typed(boxes);
    if (!mixed::isEqualFraction(answer, given))
        return;
    apply(exercises_[2], {{Count::Earned, 1}, {Count::TotalEarned, 1}});
    setCaptions(shown, answer);
}

void MixedExercises::keepApart(const FractionLabels& changed, const FractionLabels& other) {
    if (mixed::mustDoubleOther(changed.numerator.caption(), other.numerator.caption()))
        setNumbers(other, mixed::multiple(numbers(other), 2));
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
                                       &parts_.equalFractions.firstBoxes, &parts_.equalFractions.secondBoxes})
        empty(*boxes);
    // Setting the total earned to 0 runs its reward check, which shows the sun again.
    for (const Score* score : {&parts_.total, &parts_.scores[2], &parts_.scores[1], &parts_.scores[0]}) {
        score->possible.setNumber(0);
        score->earned.setNumber(0);
    }
    spokenTextsChanged();
}

// Reading and writing the parts ---------------------------------------------------------------------

mixed::MixedNumber MixedExercises::mixedNumber() const {
    const mixed::MixedNumberParts& exercise = parts_.mixedNumber;
    return {exercise.whole.number(), exercise.fraction.numerator.number(),
            exercise.fraction.denominator.number()};
}

FractionText MixedExercises::captions(const FractionLabels& labels) {
    return {labels.numerator.caption(), labels.denominator.caption()};
}

void MixedExercises::setCaptions(const FractionLabels& labels, const FractionText& fraction) {
    labels.numerator.setCaption(fraction.numerator);
    labels.denominator.setCaption(fraction.denominator);
}

mixed::Fraction MixedExercises::numbers(const FractionLabels& labels) {
    return {labels.numerator.number(), labels.denominator.number()};
}

void MixedExercises::setNumbers(const FractionLabels& labels, const Fraction& fraction) {
    labels.numerator.setNumber(fraction.numerator);
    labels.denominator.setNumber(fraction.denominator);
}

FractionText MixedExercises::typed(const FractionBoxes& boxes) {
    return {fraction::trimmed(boxes.numerator.value()), fraction::trimmed(boxes.denominator.value())};
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
