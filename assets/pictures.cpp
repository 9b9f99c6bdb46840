#include "assets/pictures.h"

#include <QImage>

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>

#include "assets/menu_background.h"

#include <array>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

QPixmap transparentPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Points alternate between the outer and the inner radius, starting straight up.
QPolygonF starPolygon(QPointF centre, double outer, double inner, int points) {
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = std::numbers::pi * (i / double(points) - 0.5);
        const double radius = i % 2 == 0 ? outer : inner;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

// --- Window icon ---------------------------------------------------------------------------------

// The pencil is drawn in a 32-unit square along the x axis, tip at -17 and eraser end at +17, half
// width 5; the painter turns it onto the rising diagonal. A hexagonal pencil shows three faces.
void drawPencil(QPainter& painter, int size) {
    constexpr double kHalf = 5, kFace = 2 * kHalf / 3;
    painter.scale(size / 32.0, size / 32.0);
    painter.translate(16, 16);
    painter.rotate(-45);
    painter.setPen(Qt::NoPen);

    const std::array faces{QColor(0xFF, 0x50, 0x50), QColor(0xE0, 0x00, 0x00), QColor(0x90, 0x00, 0x00)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(faces[i]);
        painter.drawRect(QRectF(-7.5, -kHalf + i * kFace, 17, kFace));
    }
    painter.setBrush(QColor(0xFF, 0x90, 0xA0));
    painter.drawRoundedRect(QRectF(11, -kHalf, 6, 2 * kHalf), 1.5, 1.5);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(QRectF(9, -kHalf, 3.5, 2 * kHalf));
    painter.setBrush(QColor(0xF0, 0xD0, 0x98));
    painter.drawPolygon(QPolygonF{{-7, -kHalf}, {-17, 0}, {-7, kHalf}});
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawPolygon(QPolygonF{{-13, -2}, {-17, 0}, {-13, 2}});

    QPainterPath outline(QPointF(-17, 0));
    outline.lineTo(-7, -kHalf);
    outline.lineTo(15.5, -kHalf);
    outline.quadTo(17, -kHalf, 17, 1.5 - kHalf);
    outline.lineTo(17, kHalf - 1.5);
    outline.quadTo(17, kHalf, 15.5, kHalf);
    outline.lineTo(-7, kHalf);
    outline.closeSubpath();
    QPen pen(QColor(0x40, 0x00, 0x00));
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    if (size >= 32) // the ferrule's rims; at 16 pixels they would only blur it
        painter.drawLines(QList<QLineF>{{9, -kHalf, 9, kHalf}, {12.5, -kHalf, 12.5, kHalf}});
}

QPixmap pencilPixmap(int size) {
    QPixmap pixmap = transparentPixmap(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPencil(painter, size);
    return pixmap;
}

// --- Menu pointer --------------------------------------------------------------------------------

constexpr QPoint kPointerTip(2, 16);

QPixmap leftArrowPixmap() {
    const QPolygonF arrow{kPointerTip, {15, 4}, {15, 11}, {29, 11}, {29, 21}, {15, 21}, {15, 28}};
    QPixmap pixmap = transparentPixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QColor(0x00, 0x00, 0xFF));
    painter.drawPolygon(arrow);
    return pixmap;
}

// --- Star and sun --------------------------------------------------------------------------------

QPixmap starPixmap() {
    constexpr double kOuter = 7.6;
    // A regular star's inner radius; the centre is set so that the star is centred vertically.
    const double inner = kOuter * std::sin(std::numbers::pi / 10) / std::sin(3 * std::numbers::pi / 10);
    const QPointF centre(8, 7.5 + kOuter * (1 - std::cos(std::numbers::pi / 5)) / 2);
    QPixmap pixmap = transparentPixmap(16, 15);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(centre, kOuter);
    shine.setColorAt(0, QColor(0xFF, 0xF4, 0x80));
    shine.setColorAt(1, QColor(0xFF, 0xD7, 0x00));
    painter.setPen(QPen(QColor(0xC8, 0x80, 0x00), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(shine);
    painter.drawPolygon(starPolygon(centre, kOuter, inner, 5));
    return pixmap;
}

// Sixteen triangular rays, long and short in turn, behind a shaded disc that hides their roots.
QPixmap sunPixmap() {
    constexpr int kRays = 8; // of each length
    QPixmap pixmap = transparentPixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(16, 16);
    painter.setPen(QPen(QColor(0xE0, 0x70, 0x00), 0.8));
    painter.setBrush(QColor(0xFF, 0xB0, 0x00));
    painter.rotate(180.0 / kRays);
    painter.drawPolygon(starPolygon(QPointF(0, 0), 13.5, 7, kRays));
    painter.rotate(-180.0 / kRays);
    painter.drawPolygon(starPolygon(QPointF(0, 0), 15.6, 7, kRays));
    QRadialGradient shade(QPointF(-2, -2), 10);
    shade.setColorAt(0, QColor(0xFF, 0xFF, 0x90));
    shade.setColorAt(1, QColor(0xFF, 0xD8, 0x00));
    painter.setPen(QPen(QColor(0xF0, 0x80, 0x00), 1.5));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), 9, 9);
    return pixmap;
}

} // namespace

const QIcon& windowIcon() {
    static const QIcon icon = [] {
        QIcon built;
        built.addPixmap(pencilPixmap(32));
        built.addPixmap(pencilPixmap(16));
        return built;
    }();
    return icon;
}

const QCursor& menuPointer() {
    static const QCursor pointer(leftArrowPixmap(), kPointerTip.x(), kPointerTip.y());
    return pointer;
}

const QPixmap& menuBackground() {
    // The picture shares the program's read-only pixels: nothing is copied or drawn.
    static const QPixmap background = QPixmap::fromImage(
        QImage(kMenuBackgroundPixels, kMenuBackgroundWidth, kMenuBackgroundHeight, kMenuBackgroundFormat));
    return background;
}

const QPixmap& star() {
    static const QPixmap picture = starPixmap();
    return picture;
}

const QPixmap& sun() {
    static const QPixmap picture = sunPixmap();
    return picture;
}

} // namespace assets
