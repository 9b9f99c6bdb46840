// A screen: a top-level window built from a layout table, whose widgets are found by their
// names ("Label1", 7 is the object "Label1(7)"). The form raises the events of its widgets to the
// screen's handlers, presses its default and cancel buttons on Enter and Esc, and unloads itself
// (window closed, object destroyed) on its close box or unload().
#pragma once

#include <QHash>
#include <QSet>
#include <QWidget>

#include <functional>
#include <ranges>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "ui/layout_row.h"
#include "ui/widgets.h"

namespace ui {

// A control-array handler gets the element's index; a single widget's handler gets -1.
using Handler = std::function<void(int index)>;

// The elements of a control array held by a screen's parts: any range of widget pointers.
template <class Range>
concept Elements = std::ranges::range<Range> && std::is_pointer_v<std::ranges::range_value_t<Range>>;

QString widgetName(std::string_view name, int index);

class Form : public QWidget {
  public:
    Form(std::string_view name, std::string_view caption, int widthTwips, int heightTwips, Color back);
    ~Form() override;

    // Creates the widgets of a layout table in their stacking order: pictures marked as backdrop,
    // then shapes, then labels, lines and pictures, then text boxes, buttons, options and frames.
    void build(std::span<const Row> layout);

    QWidget& widget(std::string_view name, int index = -1) const;
    Label& label(std::string_view name, int index = -1) const;
    TextBox& textBox(std::string_view name, int index = -1) const;
    Button& button(std::string_view name, int index = -1) const;
    OptionEvents& option(std::string_view name, int index = -1) const;
    Shape& shape(std::string_view name, int index = -1) const;
    Image& image(std::string_view name, int index = -1) const;
    Frame& frame(std::string_view name, int index = -1) const;
    Line& line(std::string_view name, int index = -1) const;
    Timer& timer(std::string_view name, int index = -1) const;
    // Every element of a control array, in index order, as widgets of a kind.
    template <class T = QWidget> std::vector<T*> array(std::string_view name) const {
        std::vector<T*> typed;
        for (QObject* object : elements(name))
            if (auto* element = dynamic_cast<T*>(object))
                typed.push_back(element);
        return typed;
    }

    // A widget's events are its own (`button.onClick = ...`). These bind every element of a control
    // array held by a screen's parts at once; the handler is told the element's index.
    void onClick(Elements auto const& elements, const Handler& handler) {
        for (auto* element : elements)
            onClick(*element, handler);
    }
    void onChange(Elements auto const& elements, const Handler& handler) {
        for (auto* element : elements)
            onChange(*element, handler);
    }
    void onGotFocus(Elements auto const& elements, const Handler& handler) {
        for (auto* element : elements)
            onGotFocus(*element, handler);
    }
    // The same by object name (every element of the control array of that name), for tests and tools,
    // which address widgets by their object names.
    void onClick(std::string_view name, const Handler& handler);
    void onChange(std::string_view name, const Handler& handler);
    void onGotFocus(std::string_view name, const Handler& handler);
    void onTimer(std::string_view name, Event handler);
    Event onFormClick;

    // Esc presses the cancel button; Enter presses the default button unless the focus is on a
    // button, which Enter presses instead. Hidden or disabled buttons are not pressed, nor is the
    // default button while `enterMayPress` (when given) says that pressing it would lose typed work.
    void setDefaultButton(Button& button, std::function<bool()> enterMayPress = {});
    void setCancelButton(Button& button) { cancelButton_ = &button; }
    void setDefaultButton(std::string_view name, std::function<bool()> enterMayPress = {}) {
        setDefaultButton(button(name), std::move(enterMayPress));
    }
    void setCancelButton(std::string_view name) { setCancelButton(button(name)); }

    // Texts screen readers find on the screen besides its widgets, each made from the widgets when
    // it is read (a score held by two labels, how many stars shine); see ui/accessibility.h.
    using SpokenText = std::function<std::string()>;
    void addSpokenText(SpokenText text) { spokenTexts_.push_back(std::move(text)); }
    const std::vector<SpokenText>& spokenTexts() const { return spokenTexts_; }
    // Tells screen readers that the spoken texts may read differently now.
    void spokenTextsChanged();
    // False for widgets left out of what screen readers are shown.
    bool heard(const QWidget& widget) const { return !unheard_.contains(&widget); }

    // Back: unload this screen. Exit: unload the most recently loaded screen and end the program.
    void bindBack(Button& button);
    void bindExit(Button& button);
    void bindBack(std::string_view name) { bindBack(button(name)); }
    void bindExit(std::string_view name) { bindExit(button(name)); }

    // Closes the window and destroys the screen; the next show starts from its layout table again.
    void unload() { close(); }

    // The size the screen is drawn at, 1 being its layout table's (see ui/scaling.h): less where the
    // desktop's available area is too small for it, more when the program is zoomed.
    double scale() const { return scale_; }
    void setScale(double scale);
    QSize sizeAtOne() const { return sizeAtOne_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onClick(QObject& element, const Handler& handler);
    void onChange(QObject& element, const Handler& handler);
    void onGotFocus(QObject& element, const Handler& handler);
    QObject* create(const Row& item);
    std::vector<QObject*> elements(std::string_view name) const;
    void setTabOrder(std::span<const Row> layout);
    void focusFirstInTabOrder();
    template <class T> T& find(std::string_view name, int index) const;

    QHash<QString, QObject*> byName_; // widgets and timers by object name
    QSet<const QWidget*> unheard_;
    std::vector<SpokenText> spokenTexts_;
    std::vector<QWidget*> tabOrder_;
    Button* defaultButton_ = nullptr;
    std::function<bool()> enterMayPress_;
    Button* cancelButton_ = nullptr;
    bool shownOnce_ = false;
    QSize sizeAtOne_;
    double scale_ = 1.0;
};

// The loaded screens, their size on the desktop and the program's end.
namespace forms {

// Makes a screen at its first values.
using Maker = Form* (*)();
// The maker of the screen of a name, or null when there is none.
using MakerLookup = Maker (*)(std::string_view name);

// Where show() finds the screens it loads. The forms layer keeps no list of screens: start-up gives
// it the lookup of the program's screen table, once.
void findScreensWith(MakerLookup lookup);

// Shows a screen without blocking: loads it at its first values when it is not loaded, centred over
// the first loaded screen (the menu), otherwise brings it back unchanged: restored when minimized,
// in front and active.
Form& show(std::string_view name);
// The loaded screens in load order.
const std::vector<Form*>& loaded();
Form* find(std::string_view name);
// Closes every screen and leaves the event loop with status 0.
void end();

// The zoom, for a projector or a pupil who needs larger text: every loaded screen is shown at it, or
// as large as its desktop screen's available area allows where that is less. It lasts until the
// program ends. Ctrl++ (or Ctrl+=), Ctrl+- and Ctrl+0 on any screen call these.
double zoom();
// One step larger, when the screen asking still fits the available area at that step.
void zoomIn(const Form& asking);
void zoomOut();
void resetZoom();
// Shows the screen at the zoom, or as large as fits where it is now, and keeps it on the desktop; a
// minimized screen is fitted when it is back.
void fitToDesktop(Form& form);

} // namespace forms

// A modal message box with the information icon and one OK button; returns when it is closed.
void messageBox(QWidget* parent, std::string_view text, std::string_view title, bool alignRight);
// A modal question with the buttons "نعم" (yes) and "لا" (no), "لا" being the default that Enter and
// Esc press; true when it is answered yes.
bool ask(QWidget* parent, std::string_view question, std::string_view title);

} // namespace ui
