// The multiplication and division tests after marking: the start problems answered right, which
// lights stars, then level-2 problems from fixed counter values answered and marked, and last every
// star lit to show where they all stand.
#include <QAbstractButton>

#include <initializer_list>
#include <string>
#include <utility>

#include "tools/screenshots/camera.h"
#include "screens/quiz/multiplication_quiz.h"
#include "screens/quiz/division_quiz.h"
#include "ui/form.h"

namespace shots {

namespace {

using Answers = std::initializer_list<std::pair<int, const char*>>;

struct Marking {
    const char* evaluate;
    Answers answers;
};

// Opens the screen with its tick counters at rest, so the pictures show the same problems every time.
ui::Form& openStill(std::string_view name) {
    ui::Form& form = open(name);
    form.timer("Timer1").stop();
    form.timer("Timer2").stop();
    return form;
}

void mark(ui::Form& form, std::initializer_list<Marking> panels) {
    for (const Marking& panel : panels) {
        for (const auto& [box, text] : panel.answers)
            form.textBox("Text1", box).assign(text);
        form.button(panel.evaluate).press();
    }
}

void chooseLevelTwo(ui::Form& form, int t1, int t2) {
    form.label("Label7").setCaption(std::to_string(t1));
    form.label("Label8").setCaption(std::to_string(t2));
    static_cast<QAbstractButton&>(form.widget("Option2")).click();
}

void showAllStars(const Camera& camera, ui::Form& form) {
    for (QWidget* star : form.array("Image1"))
        star->show();
    camera.take(form, form.objectName() + QStringLiteral("_stars"));
}

void multiplication(const Camera& camera) {
    ui::Form& form = openStill(screens::MultiplicationQuiz::kName);
    mark(form, {{"Command3", {{0, "14"}, {1, "15"}}}, {"Command7", {{9, "8"}, {8, "5"}}}});
    camera.take(form, form.objectName() + QStringLiteral("_marked"));
    // Above -7/4 × 9; below 8/15 × -15/16 = -120/240, reduced by 120 to -1 over 2.
    chooseLevelTwo(form, 138, 34);
    mark(form, {{"Command3", {{0, "-120"}, {1, "240"}, {2, "-1"}, {3, "2"}}},
                {"Command7", {{9, "-63"}, {8, "4"}}}});
    camera.take(form, form.objectName() + QStringLiteral("_level2"));
    showAllStars(camera, form);
}

void division(const Camera& camera) {
    ui::Form& form = openStill(screens::DivisionQuiz::kName);
    mark(form,
         {{"Command3", {{17, "2"}, {16, "4"}, {15, "3"}, {14, "1"}, {0, "6"}, {1, "4"}, {2, "3"}, {3, "2"}}},
          {"Command7",
           {{10, "2"}, {11, "5"}, {12, "1"}, {13, "4"}, {9, "2"}, {8, "20"}, {7, "1"}, {6, "10"}}}});
    camera.take(form, form.objectName() + QStringLiteral("_marked"));
    // Above -1/3 ÷ -4; below 10/10 ÷ -13/13, reduced 1 over -1 and whole -1.
    chooseLevelTwo(form, 0, 16);
    mark(form, {{"Command3",
                 {{17, "10"},
                  {16, "10"},
                  {15, "13"},
                  {14, "-13"},
                  {0, "130"},
                  {1, "-130"},
                  {2, "1"},
                  {3, "-1"},
                  {4, "-1"}}},
                {"Command7", {{10, "-1"}, {11, "3"}, {12, "1"}, {13, "-4"}, {9, "-1"}, {8, "-12"}}}});
    camera.take(form, form.objectName() + QStringLiteral("_level2"));
    showAllStars(camera, form);
}

} // namespace

void mulDivScreens(const Camera& camera) {
    multiplication(camera);
    division(camera);
}

} // namespace shots
