#include "ui/widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <cmath>

#include "fraction/fraction.h"
#include "ui/scaling.h"

namespace ui {

namespace {

void fire(const Event& event) {
    if (event)
        event();
}

// Focus that comes back with the window (after a message box, or on switching windows) is not a new
// GotFocus: the widget had the focus all along.
bool isNewFocus(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

// A framed text box's sunken edge, lit from the top left as on classic Windows: an outer line of
// grey and white and an inner line of dark grey and light grey, each `t` pixels thick. The outer
// grey is a little lighter than Windows' own so that the edge stands out from every ground the
// screens use.
void drawSunkenEdge(QPainter& painter, const QRect& box, int t) {
    const auto frame = [&painter, t](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width() - t, t, topLeft);
        painter.fillRect(r.left(), r.top(), t, r.height() - t, topLeft);
        painter.fillRect(r.left(), r.bottom() + 1 - t, r.width(), t, bottomRight);
        painter.fillRect(r.right() + 1 - t, r.top(), t, r.height(), bottomRight);
    };
    frame(box, QColor(0xA0, 0xA0, 0xA0), Qt::white);
    frame(box.adjusted(t, t, -t, -t), QColor(0x40, 0x40, 0x40), QColor(0xD4, 0xD0, 0xC8));
}

// A push button's face and caption; a disabled caption is grey over a white copy one pixel down and
// to the right, so it reads as "not now" on any button colour.
void drawButton(QPushButton& button, const QStyleOptionButton& option,
                const std::function<void(QStylePainter&, const QRect&)>& overFace = {}) {
    QStylePainter painter(&button);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QStyleOptionButton label = option;
    label.rect = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    if (overFace)
        overFace(painter, label.rect);
    if (!button.isEnabled()) {
        QStyleOptionButton shadow = label;
        shadow.rect.translate(1, 1);
        shadow.palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::white);
        painter.drawControl(QStyle::CE_PushButtonLabel, shadow);
        label.palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    }
    painter.drawControl(QStyle::CE_PushButtonLabel, label);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = button.style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, &button);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) { return text.toStdString(); }

QColor qcolor(Color color) { return QColor::fromRgb(color.rgb); }

Label::Label(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void Label::setCaption(std::string_view caption) {
    const QString next = qstr(caption);
    if (next == text())
        return;
    setText(next);
    fire(onChange);
}

double Label::number() const { return fraction::value(caption()); }

void Label::setNumber(double number) { setCaption(fraction::numberText(number)); }

double TextBox::number() const { return fraction::value(value()); }

void Label::paintEvent(QPaintEvent* event) {
    if (layoutDirection() != Qt::RightToLeft && inkShift_.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, textArea(), textFlags(), palette(), isEnabled(), drawnText(),
                          foregroundRole());
}

// A left-to-right label reads its text in the text's own direction, as QLabel does.
int Label::textFlags() const {
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft || text().isRightToLeft();
    return int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0) |
           (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
}

void Label::setInkShift(QPoint shift) {
    if (std::exchange(inkShift_, shift) != shift)
        update();
}

// Where QLabel places its text: inside the frame, and half an "x" further in on the aligned sides of
// a framed label; then moved by the ink shift.
QRect Label::textArea() const {
    QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const int in = indent() >= 0      ? indent()
                   : frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 - margin()
                                      : 0;
    const Qt::Alignment aligned = alignment();
    if (in > 0)
        area.adjust(aligned & Qt::AlignLeft ? in : 0, aligned & Qt::AlignTop ? in : 0,
                    aligned & Qt::AlignRight ? -in : 0, aligned & Qt::AlignBottom ? -in : 0);
    return area.translated(inkShift_);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // A click on a label is the label's, never the screen background's: QLabel passes it on.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        fire(onClick);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { fire(onChange); });
}

void TextBox::assign(std::string_view text) { setText(qstr(text)); }

// QLineEdit takes its text's direction from the text unless told otherwise, and the direction keys
// are the only way to tell it; they change nothing else.
void TextBox::setRightToLeft() {
    setLayoutDirection(Qt::RightToLeft);
    QKeyEvent direction(QEvent::KeyPress, Qt::Key_Direction_R, Qt::NoModifier);
    QLineEdit::keyPressEvent(&direction);
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFrame())
        return;
    QPainter painter(this);
    drawSunkenEdge(painter, rect(), lineThickness(*this, 1));
}

void TextBox::selectWhole() {
    home(false);
    end(true);
}

// A text box selects nothing by itself when the focus arrives, however it arrives: QLineEdit would
// select the whole text on Tab, which the screens do themselves where they want it.
void TextBox::focusInEvent(QFocusEvent* event) {
    QFocusEvent arrival(event->type(), Qt::OtherFocusReason);
    const bool tabbedIn = event->reason() == Qt::TabFocusReason ||
                          event->reason() == Qt::BacktabFocusReason ||
                          event->reason() == Qt::ShortcutFocusReason;
    QLineEdit::focusInEvent(tabbedIn ? &arrival : event);
    if (!isNewFocus(event))
        return;
    fire(onGotFocus);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    // A selection made while this press gives the focus is undone by the press itself; remember it
    // so that the release can make it again.
    const bool hadSelection = hasSelectedText();
    QLineEdit::mousePressEvent(event);
    selectOnRelease_ = hadSelection && selectedText() != text();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (std::exchange(selectOnRelease_, false))
        selectWhole();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        fire(onClick);
}

Button::Button(QWidget* parent) : QPushButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { fire(onClick); });
}

void Button::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    drawButton(*this, option);
}

void Button::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    if (isNewFocus(event))
        fire(onGotFocus);
}

Option::Option(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { fire(onClick); });
}

GraphicalOption::GraphicalOption(QWidget* parent) : QPushButton(parent) {
    setCheckable(true);
    setAutoExclusive(true);
    connect(this, &QAbstractButton::clicked, this, [this] { fire(onClick); });
}

// A selected graphical option is drawn pressed in with its face shaded by a fine pattern of light
// dots, as such buttons are on Windows: the style's pressed look alone is hard to tell on a dark
// ground. The caption and the focus frame go over the pattern.
void GraphicalOption::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    drawButton(*this, option, [this](QStylePainter& painter, const QRect& face) {
        if (isChecked())
            painter.fillRect(face, QBrush(Qt::white, Qt::Dense6Pattern));
    });
}

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

// Qt places the title's text by the painter's direction, which follows the application's (right to
// left, for Qt's dialogs) rather than the frame's; a fixed one keeps the title where the screen has it.
void Frame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setLayoutDirection(Qt::LeftToRight);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

Timer::Timer(QObject* parent) : QTimer(parent) {
    connect(this, &QTimer::timeout, this, [this] { fire(onTick); });
}

} // namespace ui
