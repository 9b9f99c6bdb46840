#include "assets/pictures.h"

#include <QColor>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <map>
#include <numbers>

#include "assets/built_pictures.h"

namespace assets {
namespace {

// The picture shares the program's read-only pixels: nothing is drawn or copied.
QPixmap pixmapOf(const BuiltPicture& picture) {
    return QPixmap::fromImage(QImage(picture.pixels, picture.width, picture.height, picture.format));
}

QPixmap transparentPixmap(int width, int height, qreal ratio) {
    QPixmap pixmap(QSize(width, height) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A picture drawn once for each device pixel ratio it is asked for (one or two in practice).
QPixmap forRatio(std::map<qreal, QPixmap>& drawn, qreal ratio, QPixmap (*draw)(qreal)) {
    auto found = drawn.find(ratio);
    if (found == drawn.end())
        found = drawn.emplace(ratio, draw(ratio)).first;
    return found->second;
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

// --- Star and sun --------------------------------------------------------------------------------

QPixmap starPixmap(qreal ratio) {
    constexpr double kOuter = 7.6;
    // A regular star's inner radius; the centre is set so that the star is centred vertically.
    const double inner = kOuter * std::sin(std::numbers::pi / 10) / std::sin(3 * std::numbers::pi / 10);
    const QPointF centre(8, 7.5 + kOuter * (1 - std::cos(std::numbers::pi / 5)) / 2);
    QPixmap pixmap = transparentPixmap(16, 15, ratio);
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
QPixmap sunPixmap(qreal ratio) {
    constexpr int kRays = 8; // of each length
    QPixmap pixmap = transparentPixmap(32, 32, ratio);
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

QPixmap backdropPixmap(qreal ratio) {
    // At ratio 1 the program's read-only pixels are shown as they are.
    return ratio == 1 ? pixmapOf(kMenuBackdrop) : QPixmap::fromImage(drawMenuBackdrop(ratio));
}

} // namespace

const QIcon& windowIcon() {
    static const QIcon icon = [] {
        QIcon built;
        for (const BuiltPicture* pencil : {&kPencil64, &kPencil32, &kPencil16})
            built.addPixmap(pixmapOf(*pencil));
        return built;
    }();
    return icon;
}

const QCursor& menuPointer() {
    static const QCursor pointer = [] {
        if (qGuiApp->devicePixelRatio() < 1.5)
            return QCursor(pixmapOf(kLeftArrow), kPointerTip.x(), kPointerTip.y());
        QPixmap sharp = pixmapOf(kLeftArrow2x);
        sharp.setDevicePixelRatio(2);
        return QCursor(sharp, kPointerTip.x(), kPointerTip.y());
    }();
    return pointer;
}

QPixmap menuBackground(double ratio) {
    static std::map<qreal, QPixmap> drawn;
    return forRatio(drawn, ratio, backdropPixmap);
}

QPixmap star(double ratio) {
    static std::map<qreal, QPixmap> drawn;
    return forRatio(drawn, ratio, starPixmap);
}

QPixmap sun(double ratio) {
    static std::map<qreal, QPixmap> drawn;
    return forRatio(drawn, ratio, sunPixmap);
}

} // namespace assets
