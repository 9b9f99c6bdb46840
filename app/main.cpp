#include <QApplication>

#include "app/app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::start();
    return QApplication::exec();
}
