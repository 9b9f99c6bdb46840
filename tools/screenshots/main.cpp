// Renders the screens to PNG files in the folder given on the command line:
//   screenshots docs/screens
// It runs on Qt's offscreen platform, so no display is needed. Started with QT_SCALE_FACTOR=2 it
// renders the menu and a test's stars as a screen scaled twice shows them, named "...@2x.png".
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryFile>
#include <QWidget>

#include "app/app.h"
#include "tools/screenshots/camera.h"
#include "ui/form.h"

namespace shots {

ui::Form& open(std::string_view name) {
    ui::Form& screen = ui::forms::show(name);
    QCoreApplication::sendPostedEvents(&screen, QEvent::MetaCall);
    return screen;
}

void Camera::take(QWidget& window, const QString& name) const {
    QApplication::processEvents();
    if (!window.grab().save(folder_.filePath(name + QStringLiteral(".png"))))
        qFatal("cannot write %s", qPrintable(name));
}

} // namespace shots

namespace {

// The pictures show every screen at its own size, so the offscreen desktop is made large enough for
// each of them at a scale of 2; the default one would have them fitted smaller.
void describeLargeDesktop(QTemporaryFile& description) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !description.open())
        return;
    description.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840, "height": 2160}]})");
    description.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + description.fileName().toLocal8Bit());
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryFile description;
    describeLargeDesktop(description);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screens"));
    folder.mkpath(QStringLiteral("."));
    app::start();
    const shots::Camera camera(folder);
    if (QGuiApplication::primaryScreen()->devicePixelRatio() > 1) { // started with QT_SCALE_FACTOR=2
        shots::scaledTwice(camera);
        return 0;
    }
    shots::menu(camera);
    shots::solveScreens(camera);
    shots::testScreens(camera);
    shots::mulDivScreens(camera);
    shots::mixedScreen(camera);
    shots::worksheetScreen(camera);
    return 0;
}
