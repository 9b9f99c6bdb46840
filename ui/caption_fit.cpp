#include "ui/caption_fit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace ui {

namespace {

constexpr int kSmallestPixels = 8;
constexpr char kBuiltFont[] = "builtFont";

// The font the widget was built with, kept on the widget so that a caption that fits again gets it
// back.
QFont builtFont(QWidget& widget) {
    if (!widget.property(kBuiltFont).isValid())
        widget.setProperty(kBuiltFont, widget.font());
    return widget.property(kBuiltFont).value<QFont>();
}

template <class Fits> void shrinkUntil(QWidget& widget, Fits fits) {
    QFont font = builtFont(widget);
    while (!fits(font) && font.pixelSize() > kSmallestPixels)
        font.setPixelSize(font.pixelSize() - 1);
    widget.setFont(font);
}

} // namespace

void fitCaption(QLabel& label) {
    const QRect room = label.contentsRect();
    const int flags = Qt::TextWordWrap | int(label.alignment());
    shrinkUntil(label, [&](const QFont& font) {
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, label.text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
}

void fitCaption(QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    shrinkUntil(button, [&](const QFont& font) {
        return QFontMetrics(font).horizontalAdvance(button.text()) <= room.width();
    });
}

void fitCaptions(QWidget& screen) {
    for (QLabel* label : screen.findChildren<QLabel*>())
        fitCaption(*label);
    fitButtonCaptions(screen);
}

void fitButtonCaptions(QWidget& screen) {
    for (QPushButton* button : screen.findChildren<QPushButton*>())
        fitCaption(*button);
}

} // namespace ui
