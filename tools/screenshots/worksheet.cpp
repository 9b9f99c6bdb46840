#include "tools/screenshots/camera.h"
#include "ui/form.h"

namespace shots {

void worksheetScreen(const Camera& camera) {
    for (const char* name : {"frmpq"})
        camera.take(ui::forms::show(name), QString::fromLatin1(name));
}

} // namespace shots
