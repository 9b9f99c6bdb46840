#include <QApplication>

#include "app/app.h"
#include "app/command_line.h"

int main(int argc, char* argv[]) {
    app::identify();
    app::readCommandLine(argc, argv);
    QApplication application(argc, argv);
    app::start();
    return QApplication::exec();
}
