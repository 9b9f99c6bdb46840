#include "tools/screenshots/camera.h"
#include "ui/form.h"

namespace shots {

void testScreens(const Camera& camera) {
    for (const char* name : {"frmaddq", "frmqm", "frmqd", "frmqdv"})
        camera.take(ui::forms::show(name), QString::fromLatin1(name));
}

} // namespace shots
