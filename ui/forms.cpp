#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <map>

#include "ui/form.h"
#include "ui/forms_list.h"

namespace ui {

namespace forms {

std::vector<Form*>& loadedList() {
    static std::vector<Form*> forms;
    return forms;
}

namespace {
std::map<std::string, Factory, std::less<>>& factories() {
    static std::map<std::string, Factory, std::less<>> table;
    return table;
}

QMargins frameMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// A new screen appears centred over the first loaded screen (the menu, which stays loaded), the
// first one centred on the desktop, each kept inside the screen's available area. The new window's
// frame is taken to be as thick as the one it is centred over, which is true of every screen here.
void placeOnFirstShow(Form& form) {
    const Form* under = loadedList().front() != &form ? loadedList().front() : nullptr;
    const QScreen* screen = under ? under->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = under ? frameMargins(*under) : QMargins();
    QRect placed(QPoint(), form.size().grownBy(frame));
    placed.moveCenter(under ? under->frameGeometry().center() : area.center());
    placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    form.move(placed.topLeft());
}

} // namespace

void define(std::string_view name, Factory factory) { factories()[std::string(name)] = std::move(factory); }

Form* find(std::string_view name) {
    for (Form* form : loadedList())
        if (form->objectName() == qstr(name))
            return form;
    return nullptr;
}

Form& show(std::string_view name) {
    Form* form = find(name);
    if (!form) {
        const auto factory = factories().find(name);
        if (factory == factories().end())
            qFatal("no screen named %s", std::string(name).c_str());
        form = factory->second();
        placeOnFirstShow(*form);
    }
    // show() alone leaves a minimized window minimized.
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    // Offscreen (tests, screenshots) has no stacking of windows to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        form->raise();
    form->activateWindow();
    return *form;
}

const std::vector<Form*>& loaded() { return loadedList(); }

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
