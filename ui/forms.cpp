#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include <algorithm>

#include "ui/form.h"
#include "ui/forms_list.h"

namespace ui {

namespace forms {

std::vector<Form*>& loadedList() {
    static std::vector<Form*> forms;
    return forms;
}

namespace {
MakerLookup screenMakers = nullptr;

QMargins frameMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// A window's frame before the window manager has told it: as thick as the first loaded screen's,
// which is true of every screen here.
QMargins frameOf(const Form& form) {
    const QMargins own = frameMargins(form);
    if (!own.isNull() || loadedList().empty() || loadedList().front() == &form)
        return own;
    return frameMargins(*loadedList().front());
}

// The zoom steps, 1 being each screen's own size.
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};
double zoomLevel = 1.0;

// The largest scale at which the screen and its frame fit the available area of its desktop screen.
double fittingScale(const Form& form) {
    const QScreen* screen = form.screen();
    if (!screen)
        return 1.0;
    const QSize room = screen->availableGeometry().size().shrunkBy(frameOf(form));
    const QSize size = form.sizeAtOne();
    return std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
}

// Keeps a window, frame included, inside its desktop screen's available area, centred on `centre`
// where it can be. A compositor that places windows itself (Wayland) may ignore the move.
void placeInside(Form& form, QPoint centre) {
    const QScreen* screen = form.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), form.size().grownBy(frameOf(form)));
    placed.moveCenter(centre);
    placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    form.move(placed.topLeft());
}

// A new screen appears centred over the first loaded screen (the menu, which stays loaded), the
// first one centred on the desktop.
void placeOnFirstShow(Form& form) {
    const Form* under = loadedList().front() != &form ? loadedList().front() : nullptr;
    const QScreen* screen = under ? under->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (under)
        form.setScreen(under->screen());
    fitToDesktop(form);
    placeInside(form, under ? under->frameGeometry().center() : screen->availableGeometry().center());
}

void fitEveryScreen() {
    for (Form* form : loadedList())
        fitToDesktop(*form);
}

} // namespace

void findScreensWith(MakerLookup lookup) { screenMakers = lookup; }

Form* find(std::string_view name) {
    for (Form* form : loadedList())
        if (form->objectName() == qstr(name))
            return form;
    return nullptr;
}

Form& show(std::string_view name) {
    Form* form = find(name);
    if (!form) {
        const Maker make = screenMakers ? screenMakers(name) : nullptr;
        if (!make)
            qFatal("no screen named %s", std::string(name).c_str());
        form = make();
        placeOnFirstShow(*form);
    }
    const QMargins frameBefore = frameOf(*form);
    // show() alone leaves a minimized window minimized.
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    // A window's frame is known once it is shown; a first screen placed without it is placed again.
    if (frameMargins(*form) != frameBefore)
        placeOnFirstShow(*form);
    // Offscreen (tests, screenshots) has no stacking of windows to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        form->raise();
    form->activateWindow();
    return *form;
}

const std::vector<Form*>& loaded() { return loadedList(); }

void fitToDesktop(Form& form) {
    const double scale = std::min(zoomLevel, fittingScale(form));
    if (scale == form.scale())
        return;
    const QPoint centre = form.frameGeometry().center();
    form.setScale(scale);
    if (form.isVisible())
        placeInside(form, centre);
}

double zoom() { return zoomLevel; }

void zoomIn(const Form& asking) {
    const auto* next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoomLevel);
    if (next == std::end(kZoomSteps) || *next > fittingScale(asking))
        return;
    zoomLevel = *next;
    fitEveryScreen();
}

void zoomOut() {
    const auto* below = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoomLevel);
    if (below == std::begin(kZoomSteps))
        return;
    zoomLevel = *std::prev(below);
    fitEveryScreen();
}

void resetZoom() {
    zoomLevel = 1.0;
    fitEveryScreen();
}

void end() {
    const std::vector<Form*> forms = loadedList();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        (*it)->close();
    // Outside an event loop (a test driving the screens) there is no loop to leave, and a pending
    // exit would make the next message box return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

} // namespace forms

} // namespace ui
