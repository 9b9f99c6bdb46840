#include <QEvent>
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

// On Wayland the compositor places windows and a program cannot move them; nor is it told where its
// windows are, or what the desktop's panels take of the screen.
bool compositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The room for a screen and its frame (on Wayland, the decorations Qt draws itself): the available
// area of its desktop screen, less, on Wayland, the height of the tallest common desktop panel.
constexpr int kPanelAllowance = 48;
QSize roomOn(const QScreen& screen) {
    const QSize available = screen.availableGeometry().size();
    return compositorPlacesWindows() ? available.shrunkBy(QMargins(0, kPanelAllowance, 0, 0)) : available;
}

// The largest scale at which the screen and its frame fit the room of its desktop screen.
double fittingScale(const Form& form) {
    const QScreen* screen = form.screen();
    if (!screen)
        return 1.0;
    const QSize room = roomOn(*screen).shrunkBy(frameOf(form));
    const QSize size = form.sizeAtOne();
    return std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
}

// A minimized screen keeps its size until it is back: resized, some window managers bring it back at
// once. Qt on Wayland forgets at once that it asked to minimize a window, so a screen counts as
// minimized from then until it is next active.
constexpr char kMinimized[] = "minimizedUntilActive";
bool minimized(const Form& form) { return form.isMinimized() || form.property(kMinimized).toBool(); }

class DesktopWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto& form = static_cast<Form&>(*watched);
        if (event->type() == QEvent::WindowStateChange && form.isMinimized()) {
            form.setProperty(kMinimized, true);
        } else if (event->type() == QEvent::WindowActivate && form.property(kMinimized).toBool()) {
            form.setProperty(kMinimized, false);
            fitToDesktop(form);
        }
        return false;
    }
};

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

// The active screen last: on Wayland a screen placed anew comes to the front.
void fitEveryScreen() {
    const std::vector<Form*> forms = loadedList();
    for (Form* form : forms)
        if (!form->isActiveWindow())
            fitToDesktop(*form);
    for (Form* form : forms)
        if (form->isActiveWindow())
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
        form->installEventFilter(new DesktopWatch(form));
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

// A screen that grows on Wayland would grow from where it stands, past the edge of the desktop; shown
// again, it is placed anew by the compositor, whole.
void fitToDesktop(Form& form) {
    const double scale = std::min(zoomLevel, fittingScale(form));
    if (scale == form.scale() || minimized(form))
        return;
    const bool grows = scale > form.scale();
    const QPoint centre = form.frameGeometry().center();
    form.setScale(scale);
    if (!form.isVisible())
        return;
    placeInside(form, centre);
    if (grows && compositorPlacesWindows()) {
        form.hide();
        form.show();
    }
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
