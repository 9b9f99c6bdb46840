// The widget kinds of the forms layer: thin Qt subclasses whose state is the Qt widget's own (a
// caption is the QLabel text, a text the QLineEdit text, Visible is "not hidden"). Each kind raises
// the events its screens use through a plain callback, set by Form::onClick and friends.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QTimer>

#include <functional>
#include <string>
#include <string_view>

#include "ui/layout_row.h"

namespace ui {

using Event = std::function<void()>;

QString qstr(std::string_view utf8);
std::string utf8(const QString& text);
QColor qcolor(Color color);

// Visible as a screen means it: not hidden, whatever the parent's state.
inline bool shown(const QWidget& widget) { return !widget.isHidden(); }

// A right-to-left label or text box lays its text out as a right-to-left paragraph whatever the
// text holds, so "3 + 5" shows the 3 on the right; Qt on its own takes the direction of a plain text
// from its first letter or digit.
class Label : public QLabel {
  public:
    explicit Label(QWidget* parent);
    std::string caption() const { return utf8(text()); }
    // Sets the caption and, when it changed, raises Change at once.
    void setCaption(std::string_view caption);
    // A caption that holds a number (a score, a counter), read and written as one: 0 for a caption
    // that is not a number, written in the general number format. The caption stays its only home.
    double number() const;
    void setNumber(double number);
    std::string tip() const { return utf8(toolTip()); }
    void setTip(std::string_view tip) { setToolTip(qstr(tip)); }
    Event onClick, onChange;

    // The caption as it is drawn: a right-to-left label reads an expression right to left, blanks or
    // none ("24-15" as "24 - 15"; ui/reading_order.h).
    QString drawnText() const;
    // Where the caption is drawn and how (QPainter's text flags).
    QRect textArea() const;
    int textFlags() const;
    // Moves the caption within the label by a few pixels, where its ink would reach past an edge
    // that the other side leaves room for.
    void setInkShift(QPoint shift);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint inkShift_;
};

class TextBox : public QLineEdit {
  public:
    explicit TextBox(QWidget* parent);
    std::string value() const { return utf8(text()); }
    // The typed text read as a number: 0 for a text that is not one (empty, "-", letters).
    double number() const;
    std::string tip() const { return utf8(toolTip()); }
    // Assigns the text; Change runs at once, nested, when it differs.
    void assign(std::string_view text);
    // Caret to the start, then select to the end ("{Home}+{End}"). Also done again when the mouse
    // button that gave the focus is released, since Qt places the caret on that release.
    void selectWhole();
    void setRightToLeft();
    Event onClick, onChange, onGotFocus;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool selectOnRelease_ = false;
};

class Button : public QPushButton {
  public:
    explicit Button(QWidget* parent);
    // Setting Value to True: the Click handler runs before this returns (not on a disabled button).
    void press() { click(); }
    std::string caption() const { return utf8(text()); }
    void setCaption(std::string_view caption) { setText(qstr(caption)); }
    Event onClick, onGotFocus;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

// An option button: a radio button, or a checkable button for the graphical style. Both raise the
// same events, so a screen binds an option whichever way it is drawn.
struct OptionEvents {
    Event onClick;
};
class Option : public QRadioButton, public OptionEvents {
  public:
    explicit Option(QWidget* parent);
};
class GraphicalOption : public QPushButton, public OptionEvents {
  public:
    explicit GraphicalOption(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class Frame : public QGroupBox {
  public:
    explicit Frame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shapes, lines and pictures are drawn on the screen and let clicks through to it.
class Shape : public QWidget {
  public:
    Shape(QWidget* parent, const Row& item);
    // Top in twips, as the screens move the focus frame.
    void setTopTwips(int top);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor border_, fill_;
    bool hasFill_, rounded_;
    int width_;
};

class Line : public QWidget {
  public:
    Line(QWidget* parent, const Row& item);
    // Takes the line's end points to its screen's scale.
    void rescale();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint from_, to_; // at scale 1, in the screen's pixels
    QColor color_;
    int width_;
};

class Image : public QWidget {
  public:
    Image(QWidget* parent, PictureFn picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureFn picture_;
};

class Timer : public QTimer {
  public:
    explicit Timer(QObject* parent);
    Event onTick;
};

// 15 twips are one logical pixel.
constexpr int pixels(int twips) { return (twips + 7) / 15; }

} // namespace ui
