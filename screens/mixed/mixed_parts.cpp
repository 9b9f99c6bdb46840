#include "screens/mixed/mixed_parts.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "fraction/fraction.h"
#include "screens/mixed/mixed_layout.h"
#include "screens/mixed/texts.h"
#include "ui/form.h"

namespace screens::mixed {

namespace {

FractionLabels fractionLabels(const ui::Form& screen, std::string_view name, int index) {
    return {screen.label(name, index), screen.label(name, index + 1)};
}

FractionBoxes fractionBoxes(const ui::Form& screen, std::string_view name, int numerator, int denominator) {
    return {screen.textBox(name, numerator), screen.textBox(name, denominator)};
}

Score score(const ui::Form& screen, const ScoreLabels& names) {
    return {screen.label(names.earned), screen.label(names.possible)};
}

} // namespace

Parts buildParts(ui::Form& screen) {
    screen.build(screenLayout());
    std::vector<ui::TextBox*> boxes;
    for (std::string_view name : {"Text1", "Text2", "Text3"})
        std::ranges::copy(screen.array<ui::TextBox>(name), std::back_inserter(boxes));
    return {
        .mixedNumber = {.whole = screen.label("Label1", 2),
                        .fraction = fractionLabels(screen, "Label1", 0),
                        .boxes = fractionBoxes(screen, "Text2", 0, 1),
                        .expected = {screen.label("Label4"), screen.label("Label5")},
                        .answer = {&screen.widget("Label4"), &screen.widget("Label5"),
                                   &screen.widget("Line2"), &screen.widget("Shape2")},
                        .check = screen.button("Command1"),
                        .change = screen.button("Command2")},
        .simplestForm = {.question = fractionLabels(screen, "Label7", 0),
                         .boxes = fractionBoxes(screen, "Text1", 0, 1),
                         .expected = {screen.label("Label8"), screen.label("Label9")},
                         .answer = {&screen.widget("Label8"), &screen.widget("Label9"),
                                    &screen.widget("Line5"), &screen.widget("Shape4")},
                         .multiplier = screen.textBox("Text3", 2),
                         .check = screen.button("Command4"),
                         .change = screen.button("Command3")},
        .equalFractions =
            {.given = fractionLabels(screen, "Label14", 0),
             .boxes = {fractionBoxes(screen, "Text3", 0, 1), fractionBoxes(screen, "Text3", 3, 4)},
             .shown = {fractionLabels(screen, "Label12", 0), fractionLabels(screen, "Label13", 0)},
             .answer = {&screen.widget("Shape5"), &screen.widget("Label12", 0), &screen.widget("Label12", 1),
                        &screen.widget("Label13", 1), &screen.widget("Label13", 0),
                        &screen.widget("Line6", 0), &screen.widget("Line6", 2), &screen.widget("Label3", 3),
                        &screen.widget("Label3", 4)},
             .check = screen.button("Command6"),
             .change = screen.button("Command5")},
        .scores = {score(screen, kScoreLabels[0]), score(screen, kScoreLabels[1]),
                   score(screen, kScoreLabels[2])},
        .total = score(screen, kScoreLabels[3]),
        .pictures = screen.array<ui::Image>("Image1"),
        .sun = screen.image("Image1", kSun),
        .boxes = std::move(boxes),
        .changeAll = screen.button("Command11"),
        .markOpen = screen.button("Command7"),
        .clearMarks = screen.button("Command8"),
        .back = screen.button("Command9"),
        .exit = screen.button("Command10"),
    };
}

void addSpokenTexts(ui::Form& screen, const Parts& parts) {
    const auto spoken = [&screen](std::string_view name, const Score& score) {
        screen.addSpokenText([name, score] {
            return std::string(name) + score.earned.caption() + std::string(texts::kOutOf) +
                   score.possible.caption();
        });
    };
    for (size_t i = 0; i < parts.scores.size(); ++i)
        spoken(texts::kExerciseScores[i], parts.scores[i]);
    spoken(texts::kTotalScore, parts.total);
    screen.addSpokenText([&parts] {
        const auto stars = std::ranges::count_if(parts.pictures, [&parts](const ui::Image* picture) {
            return ui::shown(*picture) && picture != &parts.sun;
        });
        return std::string(texts::kShiningStars) + fraction::numberText(static_cast<double>(stars)) +
               std::string(ui::shown(parts.sun) ? texts::kAndTheSun : "");
    });
}

} // namespace screens::mixed
