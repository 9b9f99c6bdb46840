// The program itself, started as zemora starts, that reports the moment its main menu has been
// painted (and its resident memory then) and ends. With "all", it first opens the nine screens from
// the menu's buttons, each until painted.
#include <QApplication>

#include <cstring>

#include "app/app.h"
#include "app/screen_table.h"
#include "bench/probe.h"
#include "screens/menu/main_menu.h"
#include "ui/form.h"

namespace {

void openEveryScreen() {
    ui::Form& menu = *ui::forms::find(screens::MainMenu::kName);
    for (const app::ScreenEntry& entry : app::menuScreens())
        bench::awaitPaint(ui::qstr(entry.name),
                          [&] { menu.button(screens::MainMenu::buttonOpening(entry.name)).press(); });
    bench::reportAndExit();
}

} // namespace

int main(int argc, char* argv[]) {
    const bool all = argc > 1 && std::strcmp(argv[1], "all") == 0;
    QApplication application(argc, argv);
    bench::afterFirstPaint(ui::qstr(screens::MainMenu::kName), all ? openEveryScreen : bench::reportAndExit);
    app::start();
    return QApplication::exec();
}
