#include "tools/screenshots/camera.h"
#include "screens/mixed/mixed_exercises.h"
#include "ui/form.h"

namespace shots {

namespace {

struct Answer {
    const char* boxes; // the exercise's box array
    int indices[4];
    const char* texts[4];
};

// Types an exercise's answer and presses its check button.
void check(ui::Form& screen, const Answer& answer, const char* checkButton) {
    for (int i = 0; i < 4 && answer.texts[i]; ++i)
        screen.textBox(answer.boxes, answer.indices[i]).assign(answer.texts[i]);
    screen.button(checkButton).press();
}

} // namespace

// The mixed exercises after two right answers to each exercise: stars in the three pyramids, and the
// sun with two of the total's stars beside it.
void mixedScreen(const Camera& camera) {
    ui::Form& screen = open(screens::MixedExercises::kName);
    check(screen, {"Text2", {0, 1}, {"7", "3"}}, "Command1");
    screen.button("Command2").press();
    check(screen, {"Text2", {0, 1}, {"14", "4"}}, "Command1");
    check(screen, {"Text1", {0, 1}, {"2", "3"}}, "Command4");
    screen.button("Command3").press();
    check(screen, {"Text1", {0, 1}, {"3", "5"}}, "Command4");
    check(screen, {"Text3", {0, 1, 3, 4}, {"10", "6", "15", "9"}}, "Command6");
    screen.button("Command5").press();
    check(screen, {"Text3", {0, 1, 3, 4}, {"12", "8", "3", "2"}}, "Command6");
    camera.take(screen, screen.objectName());
}

} // namespace shots
