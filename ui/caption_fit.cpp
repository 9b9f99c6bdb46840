#include "ui/caption_fit.h"

#include <QCache>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <optional>

#include "ui/scaling.h"
#include "ui/widgets.h"

namespace ui {

namespace {

constexpr int kSmallestPixels = 8;

// How a caption is drawn: its text and font, the area it is laid out in and QPainter's text flags.
struct Drawn {
    QString text;
    QFont font;
    QRect area;
    int flags;
    qreal pixelRatio;
};

// The rectangle the drawn caption's ink covers, in the widget's pixels: drawn alone on a transparent
// image with room around it for what reaches past the area. Screens are opened again and again with
// the same captions, so the answers are kept.
QRect measureInk(const Drawn& drawn) {
    // A multiple of four pixels keeps the text on the same device pixels at scales of a quarter.
    const int spare = 4 * (drawn.area.height() / 4 + 1);
    const QRect canvas = drawn.area.adjusted(-spare, -spare, spare, spare);
    QImage image(canvas.size() * drawn.pixelRatio, QImage::Format_Alpha8);
    image.setDevicePixelRatio(drawn.pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(drawn.font);
    painter.setPen(Qt::black);
    painter.drawText(drawn.area.translated(-canvas.topLeft()), drawn.flags, drawn.text);
    painter.end();
    const int width = image.width(), height = image.height();
    int top = height, bottom = -1, left = width, right = -1;
    for (int y = 0; y < height; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < width; ++x)
            if (line[x] != 0) {
                top = std::min(top, y), bottom = y;
                left = std::min(left, x), right = std::max(right, x);
            }
    }
    if (bottom < 0)
        return {};
    const qreal r = drawn.pixelRatio;
    const QRectF device(left, top, right - left + 1, bottom - top + 1);
    return QRectF(device.topLeft() / r, device.size() / r).toAlignedRect().translated(canvas.topLeft());
}

QRect inkOf(const Drawn& drawn) {
    static QCache<QString, QRect> known(4096);
    const QString key = QStringLiteral("%1|%2|%3,%4,%5,%6|%7|%8")
                            .arg(drawn.text, drawn.font.key())
                            .arg(drawn.area.x())
                            .arg(drawn.area.y())
                            .arg(drawn.area.width())
                            .arg(drawn.area.height())
                            .arg(drawn.flags)
                            .arg(drawn.pixelRatio);
    if (const QRect* ink = known.object(key))
        return *ink;
    const QRect ink = measureInk(drawn);
    known.insert(key, new QRect(ink));
    return ink;
}

// How far ink must move to lie inside room, where it can without leaving it on the other side.
std::optional<QPoint> shiftInto(const QRect& ink, const QRect& room) {
    if (ink.isEmpty())
        return QPoint();
    if (ink.width() > room.width() || ink.height() > room.height())
        return std::nullopt;
    const auto along = [](int inkFrom, int inkTo, int roomFrom, int roomTo) {
        return inkFrom < roomFrom ? roomFrom - inkFrom : inkTo > roomTo ? roomTo - inkTo : 0;
    };
    return QPoint(along(ink.left(), ink.right(), room.left(), room.right()),
                  along(ink.top(), ink.bottom(), room.top(), room.bottom()));
}

// Tries the built size, then one pixel (at scale 1) smaller after another, down to the smallest; the
// first font with which `fits` holds, or the smallest, is the widget's.
template <class Fits> void shrinkUntil(QWidget& widget, Fits fits) {
    for (int pixels = builtFont(widget).pixelSize();; --pixels) {
        const QFont font = fontAt(widget, pixels);
        if (fits(font) || pixels <= kSmallestPixels) {
            widget.setFont(font);
            return;
        }
    }
}

// The pixels a caption's ink keeps clear of the widget's edge: one, and one more on a desktop
// scaled by a fraction, where text lands on device pixels a fraction away from where it was measured.
int clearance(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    return ratio == std::floor(ratio) ? 1 : 2;
}

QRect inset(const QRect& rect, int by) { return rect.adjusted(by, by, -by, -by); }

// Ink keeps within half a letter's height of the lines it is set on: a caption with that much room on
// every side fits without being drawn to measure it.
bool hasRoomAround(const QRect& text, const QRect& room, const QFontMetrics& metrics) {
    const int half = metrics.height() / 2;
    return room.contains(text.adjusted(-half, -half, half, half));
}

// A button's bevel is two pixels thick; its caption keeps clear of it.
QRect roomInsideBevel(const QAbstractButton& button) { return inset(button.rect(), 2 + clearance(button)); }

// The shift that brings the caption's ink inside room, looked for where the caption is drawn
// shifted: text moved by a fraction of a device pixel lands on whole ones, so a shift is checked as drawn.
std::optional<QPoint> inkShiftFor(const Label& label, const QFont& font, const QRect& room) {
    Drawn drawn{label.drawnText(), font, label.textArea(), label.textFlags(), label.devicePixelRatioF()};
    QPoint shift;
    for (int tries = 0; tries < 3; ++tries) {
        const std::optional<QPoint> more = shiftInto(inkOf(drawn), room);
        if (!more)
            return std::nullopt;
        if (more->isNull())
            return shift;
        shift += *more;
        drawn.area.translate(*more);
    }
    return std::nullopt;
}

} // namespace

void fitCaption(Label& label) {
    QPoint shift;
    label.setInkShift(QPoint());
    const QRect contents = label.contentsRect();
    const QRect room = inset(contents, clearance(label));
    const int layout = Qt::TextWordWrap | int(label.alignment());
    shrinkUntil(label, [&](const QFont& font) {
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(contents, layout, label.text());
        if (needed.width() > contents.width() || needed.height() > contents.height())
            return false;
        label.setFont(font);
        // As for a button: with half a line of room on every side the ink is inside without drawing it.
        if (hasRoomAround(needed, room, metrics)) {
            shift = QPoint();
            return true;
        }
        const std::optional<QPoint> into = inkShiftFor(label, font, room);
        shift = into.value_or(QPoint());
        return into.has_value();
    });
    label.setInkShift(shift);
}

void fitCaption(QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const bool push = qobject_cast<QPushButton*>(&button) != nullptr;
    const QRect area = button.style()->subElementRect(
        push ? QStyle::SE_PushButtonContents : QStyle::SE_RadioButtonContents, &option, &button);
    const int flags =
        push ? int(Qt::AlignCenter)
             : int(QStyle::visualAlignment(button.layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
    const QRect room = push ? roomInsideBevel(button) : inset(button.rect(), clearance(button));
    shrinkUntil(button, [&](const QFont& font) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(button.text()) > area.width())
            return false;
        if (hasRoomAround(metrics.boundingRect(area, flags, button.text()), room, metrics))
            return true;
        const QRect ink =
            inkOf({button.text(), font, area, flags | Qt::TextShowMnemonic, button.devicePixelRatioF()});
        return ink.isEmpty() || room.contains(ink);
    });
}

void fitCaptions(QWidget& screen) {
    for (Label* label : screen.findChildren<Label*>())
        if (!label->text().isEmpty())
            fitCaption(*label);
    for (QAbstractButton* button : screen.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            fitCaption(*button);
}

} // namespace ui
