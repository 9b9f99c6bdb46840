#include <QAbstractButton>

#include <string>

#include "tools/screenshots/camera.h"
#include "screens/quiz/subtraction_quiz.h"
#include "screens/quiz/multiplication_quiz.h"
#include "screens/quiz/division_quiz.h"
#include "screens/quiz/addition_quiz.h"
#include "ui/form.h"

namespace shots {

namespace {

// A panel's solution labels and the answer boxes they are typed into.
struct Panel {
    int labels[5]; // Label1: N, D, reduced numerator and denominator, whole number
    int boxes[5];  // Text1 in the same order
    const char* evaluate;
};

constexpr Panel kUpper{{13, 14, 15, 16, 17}, {9, 8, 7, 6, 5}, "Command7"};
constexpr Panel kLower{{6, 7, 8, 9, 10}, {0, 1, 2, 3, 4}, "Command3"};

// Types the solution into every shown answer box of the panel and evaluates it.
void answerRightly(ui::Form& form, const Panel& panel) {
    for (int i = 0; i < 5; ++i) {
        ui::TextBox& box = form.textBox("Text1", panel.boxes[i]);
        if (ui::shown(box))
            box.assign(form.label("Label1", panel.labels[i]).caption());
    }
    form.button(panel.evaluate).press();
}

// Rounds of new problems in both panels, all answered rightly, from chosen counter values.
void practise(ui::Form& form, int rounds, const char* upperNew, const char* lowerNew) {
    for (int round = 1; round <= rounds; ++round) {
        form.label("Label7").setCaption(std::to_string(round * 37 % 500));
        form.label("Label8").setCaption(std::to_string(round * 53 % 400));
        form.button(upperNew).press();
        answerRightly(form, kUpper);
        form.button(lowerNew).press();
        answerRightly(form, kLower);
    }
}

// Both panels marked with stars lit, then every star lit to show where they all stand.
void markedAndStarred(const Camera& camera, std::string_view name, int rounds, const char* upperNew,
                      const char* lowerNew) {
    ui::Form& form = open(name);
    form.timer("Timer1").stop();
    form.timer("Timer2").stop();
    practise(form, rounds, upperNew, lowerNew);
    camera.take(form, form.objectName());
    for (QWidget* star : form.array("Image1"))
        star->show();
    camera.take(form, form.objectName() + QStringLiteral("_stars"));
}

} // namespace

void testScreens(const Camera& camera) {
    markedAndStarred(camera, screens::AdditionQuiz::kName, 6, "Command5", "Command2");
    ui::Form& subtraction = open(screens::SubtractionQuiz::kName);
    qobject_cast<QAbstractButton*>(&subtraction.widget("Option2"))->click();
    markedAndStarred(camera, screens::SubtractionQuiz::kName, 9, "Command5", "Command1");
    for (std::string_view name : {screens::MultiplicationQuiz::kName, screens::DivisionQuiz::kName}) {
        ui::Form& form = open(name);
        camera.take(form, form.objectName());
    }
}

} // namespace shots
