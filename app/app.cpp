#include "app/app.h"

#include "app/identity.h"
#include "app/screen_table.h"
#include "assets/pictures.h"
#include "screens/menu/main_menu.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/style.h"

namespace app {

void identify() { ui::identifyApplication("zemora", ZEMORA_VERSION, "zemora.org", ZEMORA_ID); }

void prepare() {
    ui::speakArabic();
    ui::installStyle();
    ui::installFontSubstitutes();
    ui::setWindowIcon(assets::windowIcon());
    ui::forms::findScreensWith(makerOf);
}

void start() {
    prepare();
    ui::forms::show(screens::MainMenu::kName);
}

} // namespace app
