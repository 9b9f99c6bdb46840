#include "tools/screenshots/camera.h"
#include "ui/form.h"

namespace shots {

void mixedScreen(const Camera& camera) {
    for (const char* name : {"frmqo"})
        camera.take(ui::forms::show(name), QString::fromLatin1(name));
}

} // namespace shots
