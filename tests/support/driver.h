// Drives the program as a person would, through the automation contract: screens and widgets are
// found by their object names, keys are typed and buttons clicked with real input events.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace driver {

// Opens a screen as the menu would and lets the event loop run until it is activated and its first
// widget has the focus: once offscreen, as long as the window system takes on a real one (Windows).
ui::Form& open(std::string_view name);

// Brings a window to the front and waits until it is the active one, as a person's click would.
void activate(QWidget& window);

// Lets pending events run, including the destruction of unloaded screens.
void settle();

// The widget of a screen by its object name ("Label1(7)"), failing the test when it is missing.
template <class T = QWidget> T& find(const QWidget& screen, const QString& name) {
    auto* found = screen.findChild<T*>(name);
    if (!found)
        qFatal("no widget %s in %s", qPrintable(name), qPrintable(screen.objectName()));
    return *found;
}

// Types text into the focused widget of the active window, one key event per character; any
// character, Arabic letters and digits included.
void type(QWidget& target, const QString& text);
// Gives a text box the focus with a click, selects its text as Home, Shift+End would, and types.
void overtype(QWidget& box, const QString& text);
void key(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A left click in the middle of the widget (or at a point of it).
void click(QWidget& target);
void clickAt(QWidget& target, QPoint point);

// The text, caption or title of a widget as UTF-8, for comparisons with the screens' texts.
std::string textOf(const QWidget& widget);

// Catches the message boxes that open while it lives, records them and closes each with OK; a
// question (yes or no) is recorded apart and answered as `answer` says, no by default.
class MessageBoxes {
  public:
    struct Seen {
        std::string title, text;
        Qt::WindowFlags flags;
        std::string okCaption; // a question's: the caption of its default button
        bool rightToLeft;
    };
    explicit MessageBoxes(std::function<bool()> answer = [] { return false; });
    ~MessageBoxes();
    const std::vector<Seen>& seen() const { return seen_; }
    const std::vector<Seen>& asked() const { return asked_; }

  private:
    std::vector<Seen> seen_, asked_;
    QMetaObject::Connection connection_;
    class QTimer* timer_;
};

} // namespace driver
