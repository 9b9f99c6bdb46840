// The floor program for start-up and memory: a QApplication showing one window of the main menu's
// size with ten QPushButtons and one Arabic QLabel, reporting when it has been painted. With
// "all <file>", it then shows the floors of the screens described in the file, each until painted.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <cstring>
#include <fstream>

#include "bench/floor_screen.h"
#include "bench/probe.h"

namespace {

const char* screensFile = nullptr;

// The menu's client area is 762 x 502 pixels; its buttons are 149 x 37 pixels.
QWidget* menuFloor() {
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("menu"));
    window->resize(762, 502);
    for (int i = 0; i < 10; ++i)
        (new QPushButton(QStringLiteral("زر %1").arg(i + 1), window))->setGeometry(12, 12 + 44 * i, 149, 37);
    (new QLabel(QStringLiteral("العمليات الأربع في الأعداد النسبية"), window))
        ->setGeometry(292, 120, 297, 37);
    return window;
}

void showEveryFloor() {
    std::ifstream in(screensFile);
    for (const bench::FloorScreen& floor : bench::read(in)) {
        bench::awaitPaint(floor.name, [&] { bench::build(floor)->show(); });
    }
    bench::reportAndExit();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && std::strcmp(argv[1], "all") == 0)
        screensFile = argv[2];
    QApplication application(argc, argv);
    bench::afterFirstPaint(QStringLiteral("menu"), screensFile ? showEveryFloor : bench::reportAndExit);
    menuFloor()->show();
    return QApplication::exec();
}
