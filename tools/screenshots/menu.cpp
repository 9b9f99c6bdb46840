#include "tools/screenshots/camera.h"
#include "ui/form.h"

namespace shots {

void menu(const Camera& camera) {
    for (const char* name : {"frmqqq"})
        camera.take(ui::forms::show(name), QString::fromLatin1(name));
}

// Run at a scale factor of 2: the menu's backdrop and a test's stars, drawn for such a screen.
void scaledTwice(const Camera& camera) {
    camera.take(ui::forms::show("frmqqq"), QStringLiteral("frmqqq@2x"));
    ui::Form& test = ui::forms::show("frmaddq");
    for (QWidget* star : test.array("Image1"))
        star->show();
    camera.take(test, QStringLiteral("frmaddq_stars@2x"));
}

} // namespace shots
