#include <QApplication>

#include "app/app.h"
#include "app/command_line.h"
#include "ui/console.h"

int main(int argc, char* argv[]) {
    ui::answerOnStartingConsole();
    app::identify();
    app::readCommandLine(argc, argv);
    QApplication application(argc, argv);
    app::start();
    return QApplication::exec();
}
