// The program itself, started as zemora starts, that reports the moment its main menu has been
// painted (and its resident memory then) and ends. With "all", it first opens the nine screens from
// the menu's buttons, each until painted.
#include <QApplication>

#include <cstring>

#include "app/app.h"
#include "bench/probe.h"
#include "bench/screens.h"
#include "ui/form.h"

namespace {

void openEveryScreen() {
    ui::Form& menu = *ui::forms::find("frmqqq");
    for (const bench::MenuEntry& entry : bench::kMenuEntries) {
        bench::awaitPaint(ui::qstr(entry.screen), [&] { menu.button(entry.button).press(); });
    }
    bench::reportAndExit();
}

} // namespace

int main(int argc, char* argv[]) {
    const bool all = argc > 1 && std::strcmp(argv[1], "all") == 0;
    QApplication application(argc, argv);
    bench::afterFirstPaint(QStringLiteral("frmqqq"), all ? openEveryScreen : bench::reportAndExit);
    app::start();
    return QApplication::exec();
}
