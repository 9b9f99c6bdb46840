#include "app/app.h"

#include "app/identity.h"
#include "app/main_menu.h"
#include "app/screen_table.h"
#include "assets/pictures.h"
#include "ui/application.h"
#include "ui/style.h"

namespace app {

void identify() { ui::identifyApplication("zemora", ZEMORA_VERSION, "zemora.org", ZEMORA_ID); }

void prepare() {
    ui::speakArabic();
    ui::installStyle();
    ui::installFontSubstitutes();
    ui::setWindowIcon(assets::windowIcon());
    for (const ScreenEntry& screen : screenTable())
        ui::forms::define(screen.name, screen.make);
}

void start() {
    prepare();
    ui::forms::show(MainMenu::kName);
}

} // namespace app
