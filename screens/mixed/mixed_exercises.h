// The screen `frmqo`: three short exercises (a mixed number as a fraction, a fraction in its simplest
// form, two fractions equal to a given one), each with its own marks, a total, and reward pictures.
// The screen keeps each exercise's question and answers as exact values, computes the next question
// from them, shows them through its parts and marks what was typed against them; the scores are tallied
// in their captions.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "screens/mixed/exercises.h"
#include "screens/mixed/mixed_parts.h"
#include "ui/form.h"

namespace screens {

class MixedExercises : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmqo";
    MixedExercises();

  private:
    using FractionLabels = mixed::FractionLabels;
    using FractionBoxes = mixed::FractionBoxes;
    using Score = mixed::Score;

    // An exercise's score pair and the order its reward pictures appear in.
    struct Exercise {
        const Score& score;
        std::span<const int> rewards;
    };

    void bindBoxes();
    void bindHandlers();

    void newMixedNumber();
    void showMixedNumber();
    void checkMixedNumber();
    void newSimplestForm();
    void showSimplestForm();
    void checkSimplestForm();
    void newGivenFraction();
    void showGivenFraction();
    void checkEqualFractions();
    void acceptEqualFraction(std::size_t side);
    void showEqualFraction(std::size_t side, const mixed::Answer& fraction);
    void keepApart(std::size_t changed);

    void rewardExercise(const Exercise& exercise);
    void rewardTotal();
    void showNextReward(std::span<const int> order);
    void changeAllQuestions();
    void markOpenQuestions();
    void clearMarks();

    static void show(const FractionLabels& labels, const mixed::Answer& fraction);
    static void show(const FractionLabels& labels, const mixed::Fraction& fraction);
    static mixed::Answer typed(const FractionBoxes& boxes);
    static void empty(const FractionBoxes& boxes);
    static void setShown(std::span<QWidget* const> widgets, bool shown);
    void apply(const Exercise& exercise, const mixed::Marking& marking);
    void addMarks(ui::Label& score, int amount);

    mixed::Parts parts_;
    std::array<Exercise, 3> exercises_;
    // The questions and what the screen shows of their answers.
    mixed::MixedNumber mixedNumber_ = mixed::firstMixedNumber();
    mixed::SimplestForm simplestForm_ = mixed::firstSimplestForm();
    mixed::Fraction given_ = mixed::firstGivenFraction();
    std::array<mixed::Answer, 2> equalFractions_; // the first and second shown equal fractions
};

} // namespace screens
