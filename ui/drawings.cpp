// The widgets that only decorate a screen: shapes, lines and pictures, drawn at the screen's scale.
// Clicks pass through them to the screen.
#include <QPainter>

#include <cmath>

#include "ui/scaling.h"
#include "ui/widgets.h"

namespace ui {

Shape::Shape(QWidget* parent, const Row& item)
    : QWidget(parent), border_(qcolor(item.lineColor)), fill_(qcolor(item.fill)), hasFill_(item.fill.set),
      rounded_(item.rounded), width_(item.lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setTopTwips(int top) {
    QRect atOne = placeAtOne(*this);
    atOne.moveTop(pixels(top));
    place(*this, atOne);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, rounded_);
    const qreal width = scaled(width_, scaleOf(*this));
    const qreal half = width / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    if (!rounded_) {
        painter.setPen(QPen(border_, width));
        painter.setBrush(hasFill_ ? QBrush(fill_) : Qt::NoBrush);
        painter.drawRect(box);
        return;
    }
    // The fill keeps within the outline's inner edge, so no part of it shows past the rounded corners.
    const qreal radius = std::min(box.width(), box.height()) / 6.0;
    if (hasFill_) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill_);
        painter.drawRoundedRect(box.adjusted(half, half, -half, -half), radius - half, radius - half);
    }
    painter.setPen(QPen(border_, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box, radius, radius);
}

Line::Line(QWidget* parent, const Row& item)
    : QWidget(parent), color_(item.lineColor.set ? qcolor(item.lineColor) : Qt::black),
      width_(item.lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    from_ = QPoint(pixels(item.left), pixels(item.top));
    to_ = QPoint(pixels(item.width), pixels(item.height));
    rescale();
}

void Line::rescale() {
    const double scale = scaleOf(*this);
    const int margin = (lineThickness(*this, width_) + 1) / 2;
    const QRect ends = scaled(QRect(from_, to_).normalized(), scale);
    setGeometry(ends.adjusted(-margin, -margin, margin, margin));
}

void Line::paintEvent(QPaintEvent*) {
    const double scale = scaleOf(*this);
    const QPoint from = (QPointF(from_) * scale).toPoint() - pos(),
                 to = (QPointF(to_) * scale).toPoint() - pos();
    QPainter painter(this);
    painter.setPen(QPen(color_, lineThickness(*this, width_), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
}

Image::Image(QWidget* parent, PictureFn picture) : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_(devicePixelRatioF() * scaleOf(*this)));
}

} // namespace ui
