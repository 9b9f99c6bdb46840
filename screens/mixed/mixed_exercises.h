// The screen `frmqo`: three short exercises (a mixed number as a fraction, a fraction in its simplest
// form, two fractions equal to a given one), each with its own marks, a total, and reward pictures.
#pragma once

#include <QWidget>

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "screens/mixed/exercises.h"
#include "ui/form.h"

namespace screens {

namespace mixed {

// Two labels, or two answer boxes, read together as a fraction.
template <class Widget> struct FractionParts {
    Widget& numerator;
    Widget& denominator;
};
using FractionLabels = FractionParts<ui::Label>;
using FractionBoxes = FractionParts<ui::TextBox>;

// A score pair: the marks earned over the marks possible.
struct Score {
    ui::Label& earned;
    ui::Label& possible;
};

// An exercise's question, its boxes, its answer (shown once marked) and its buttons.
struct MixedNumberParts {
    ui::Label& whole;
    FractionLabels fraction;
    FractionBoxes boxes;
    FractionLabels expected;
    std::array<QWidget*, 4> answer;
    ui::Button& check;
    ui::Button& change;
};
struct SimplestFormParts {
    FractionLabels question;
    FractionBoxes boxes;
    FractionLabels expected;
    std::array<QWidget*, 4> answer;
    ui::TextBox& multiplier; // hidden: the factor the next question is built with
    ui::Button& check;
    ui::Button& change;
};
struct EqualFractionsParts {
    FractionLabels given;
    FractionBoxes firstBoxes, secondBoxes;
    FractionLabels firstShown, secondShown;
    std::array<QWidget*, 9> answer;
    ui::Button& check;
    ui::Button& change;
};

// The parts of the screen its handlers use, bound once from the layout table when it is built.
struct Parts {
    MixedNumberParts mixedNumber;
    SimplestFormParts simplestForm;
    EqualFractionsParts equalFractions;
    // Exercises 1, 2 and 3.
    std::array<Score, 3> scores;
    Score total;
    // Every reward picture by its index; the sun opens the total's group.
    std::vector<ui::Image*> pictures;
    ui::Image& sun;
    // Every answer box, and the hidden multiplier.
    std::vector<ui::TextBox*> boxes;
    ui::Button& changeAll;
    ui::Button& markOpen;
    ui::Button& clearMarks;
    ui::Button& back;
    ui::Button& exit;
};

} // namespace mixed

class MixedExercises : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmqo";
    MixedExercises();

  private:
    using Fraction = mixed::Fraction;
    using FractionText = mixed::FractionText;
    using FractionLabels = mixed::FractionLabels;
    using FractionBoxes = mixed::FractionBoxes;
    using Score = mixed::Score;

    // An exercise's score pair and the order its reward pictures appear in.
    struct Exercise {
        const Score& score;
        std::span<const int> rewards;
    };

    mixed::Parts buildParts();
    void bindBoxes();
    void bindHandlers();
    void addSpokenTexts();

    void newMixedNumber();
    void showMixedNumberAsFraction();
    void checkMixedNumber();
    void newSimplestForm();
    void checkSimplestForm();
    void newGivenFraction();
    void checkEqualFractions();
    void acceptEqualFraction(const FractionBoxes& boxes, const FractionLabels& shown,
                             const FractionText& given);
    void keepApart(const FractionLabels& changed, const FractionLabels& other);

    void rewardExercise(const Exercise& exercise);
    void rewardTotal();
    void showNextReward(std::span<const int> order);
    void changeAllQuestions();
    void markOpenQuestions();
    void clearMarks();

    mixed::MixedNumber mixedNumber() const;
    static FractionText captions(const FractionLabels& labels);
    static void setCaptions(const FractionLabels& labels, const FractionText& fraction);
    static Fraction numbers(const FractionLabels& labels);
    static void setNumbers(const FractionLabels& labels, const Fraction& fraction);
    static FractionText typed(const FractionBoxes& boxes);
    static void empty(const FractionBoxes& boxes);
    static void setShown(std::span<QWidget* const> widgets, bool shown);
    void apply(const Exercise& exercise, const mixed::Marking& marking);
    void addMarks(ui::Label& score, int amount);

    mixed::Parts parts_;
    std::array<Exercise, 3> exercises_;
};

} // namespace screens
