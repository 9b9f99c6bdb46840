#include "ui/widgets.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

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

QColor color(Color c) { return QColor::fromRgb(c.rgb); }

} // namespace

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) { return text.toStdString(); }

Label::Label(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void Label::setCaption(std::string_view caption) {
    const QString next = qstr(caption);
    if (next == text())
        return;
    setText(next);
    fire(onChange);
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
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isChecked())
        painter.fillRect(label.rect, QBrush(Qt::white, Qt::Dense6Pattern));
    painter.drawControl(QStyle::CE_PushButtonLabel, label);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

Shape::Shape(QWidget* parent, const Row& item)
    : QWidget(parent), border_(color(item.lineColor)), fill_(color(item.fill)), hasFill_(item.fill.set),
      rounded_(item.rounded), width_(item.lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setTopTwips(int top) { move(x(), pixels(top)); }

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, rounded_);
    const qreal half = width_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    painter.setPen(QPen(border_, width_));
    painter.setBrush(hasFill_ ? QBrush(fill_) : Qt::NoBrush);
    if (rounded_) {
        const qreal radius = std::min(box.width(), box.height()) / 6.0;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

Line::Line(QWidget* parent, const Row& item)
    : QWidget(parent), color_(item.lineColor.set ? color(item.lineColor) : Qt::black),
      width_(item.lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a(pixels(item.left), pixels(item.top));
    const QPoint b(pixels(item.width), pixels(item.height));
    const int margin = (width_ + 1) / 2;
    const QRect bounds = QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(bounds);
    from_ = a - bounds.topLeft();
    to_ = b - bounds.topLeft();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(color_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

Image::Image(QWidget* parent, PictureFn picture) : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_());
}

Timer::Timer(QObject* parent) : QTimer(parent) {
    connect(this, &QTimer::timeout, this, [this] { fire(onTick); });
}

} // namespace ui
