#include "tools/screenshots/camera.h"
#include "screens/quiz/addition_quiz.h"
#include "screens/menu/main_menu.h"
#include "ui/form.h"

namespace shots {

void menu(const Camera& camera) {
    ui::Form& menu = open(screens::MainMenu::kName);
    camera.take(menu, menu.objectName());
}

// Run at a scale factor of 2: the menu's backdrop and a test's stars, drawn for such a screen.
void scaledTwice(const Camera& camera) {
    ui::Form& menu = open(screens::MainMenu::kName);
    camera.take(menu, menu.objectName() + QStringLiteral("@2x"));
    ui::Form& test = open(screens::AdditionQuiz::kName);
    for (QWidget* star : test.array("Image1"))
        star->show();
    camera.take(test, test.objectName() + QStringLiteral("_stars@2x"));
}

} // namespace shots
