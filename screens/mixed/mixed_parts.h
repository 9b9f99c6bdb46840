// The parts of the mixed exercises screen its handlers use, bound once from the layout table when the
// screen is built, and what screen readers hear of its scores and reward pictures.
#pragma once

#include <array>
#include <vector>

class QWidget;

namespace ui {
class Button;
class Form;
class Image;
class Label;
class TextBox;
} // namespace ui

namespace screens::mixed {

// Two labels, or two answer boxes, standing for a fraction.
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
// The two equal fractions, first and second: each has its boxes and its shown answer.
struct EqualFractionsParts {
    FractionLabels given;
    std::array<FractionBoxes, 2> boxes;
    std::array<FractionLabels, 2> shown;
    std::array<QWidget*, 9> answer;
    ui::Button& check;
    ui::Button& change;
};

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

// Builds the screen from its layout table and binds its parts.
Parts buildParts(ui::Form& screen);

// Screen readers hear each score pair as one text, and the reward pictures as one count.
void addSpokenTexts(ui::Form& screen, const Parts& parts);

} // namespace screens::mixed
