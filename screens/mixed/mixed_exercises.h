// The screen `frmqo`: three short exercises (a mixed number as a fraction, a fraction in its simplest
// form, two fractions equal to a given one), each with its own marks, a total, and reward pictures.
#pragma once

#include <span>
#include <string_view>

#include "screens/mixed/exercises.h"
#include "ui/form.h"

namespace screens {

namespace mixed {
struct WidgetRef;
struct FractionWidgets;
struct ExerciseWidgets;
} // namespace mixed

class MixedExercises : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmqo";
    MixedExercises();

  private:
    using Pair = mixed::FractionWidgets;
    using Ref = mixed::WidgetRef;
    using Exercise = mixed::ExerciseWidgets;

    void bindHandlers();
    void addSpokenTexts();

    void newMixedNumber();
    void showMixedNumberAsFraction();
    void checkMixedNumber();
    void newSimplestForm();
    void checkSimplestForm();
    void newGivenFraction();
    void checkEqualFractions();
    void acceptEqualFraction(const Pair& boxes, const Pair& shown, const mixed::FractionText& given);
    void keepApart(const Pair& changed, const Pair& other);

    void rewardExercise(const Exercise& exercise);
    void rewardTotal();
    void showNextReward(std::span<const int> order);
    void changeAllQuestions();
    void markOpenQuestions();
    void clearMarks();

    mixed::MixedNumber mixedNumber() const;
    mixed::FractionText captions(const Pair& labels) const;
    void setCaptions(const Pair& labels, const mixed::FractionText& fraction);
    mixed::FractionText typed(const Pair& boxes) const;
    void empty(const Pair& boxes);
    void setShown(std::span<const Ref> widgets, bool shown);
    void apply(const Exercise& exercise, const mixed::Marking& marking);
    void addMarks(std::string_view scoreLabel, int amount);
};

} // namespace screens
