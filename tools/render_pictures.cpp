// Writes the program's pictures to PNG files in the folder given as the first argument, so that
// they can be looked at without starting the program. It needs no display: unless told otherwise, it
// runs on the offscreen platform.
#include "assets/pictures.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <utility>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const std::pair<const char*, QPixmap> pictures[] = {
        {"icon-32.png", assets::windowIcon().pixmap(QSize(32, 32))},
        {"icon-16.png", assets::windowIcon().pixmap(QSize(16, 16))},
        {"pointer.png", assets::menuPointer().pixmap()},
        {"icon-64.png", assets::windowIcon().pixmap(QSize(64, 64))},
        {"background.png", assets::menuBackground(1)},
        {"background-2x.png", assets::menuBackground(2)},
        {"star.png", assets::star(1)},
        {"star-2x.png", assets::star(2)},
        {"sun.png", assets::sun(1)},
        {"sun-2x.png", assets::sun(2)},
    };
    int failures = 0;
    for (const auto& [name, pixmap] : pictures) {
        if (!pixmap.save(folder.filePath(name))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
