#include "assets/built_pictures.h"

#include <QColor>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

// --- Window icon ---------------------------------------------------------------------------------

// The pencil is drawn in a 32-unit square along the x axis, tip at -17 and eraser end at +17, half
// width 5; the painter turns it onto the rising diagonal. A hexagonal pencil shows three faces.
void paintPencil(QPainter& painter, int size) {
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

QImage transparentImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// --- Menu backdrop -------------------------------------------------------------------------------

constexpr double kGarlandTop = 22;    // the vine's middle line along the top edge
constexpr double kGarlandRight = 612; // and down the right edge
constexpr double kWaveLength = 96;

double wave(double along, double phase) {
    return 7 * std::sin(2 * std::numbers::pi * along / kWaveLength + phase);
}

// A wavy strand along the top edge that turns down the right edge; both ends leave the picture.
QPainterPath vinePath(double phase) {
    constexpr int kCornerStart = 572, kCornerEnd = 62;
    QPainterPath path(QPointF(-10, kGarlandTop + wave(-10, phase)));
    for (int x = -6; x <= kCornerStart; x += 4)
        path.lineTo(x, kGarlandTop + wave(x, phase));
    path.quadTo(kGarlandRight, kGarlandTop, kGarlandRight + wave(kCornerEnd, phase), kCornerEnd);
    for (int y = kCornerEnd + 4; y <= 490; y += 4)
        path.lineTo(kGarlandRight + wave(y, phase), y);
    return path;
}

// A pointed leaf from its stalk at the origin along the painter's x axis, with a midrib.
void drawLeaf(QPainter& painter, QPointF base, double angle, double length) {
    painter.save();
    painter.translate(base);
    painter.rotate(-angle); // path angles turn counter-clockwise, the painter clockwise
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(length * 0.45, -length * 0.45, length, 0);
    leaf.quadTo(length * 0.45, length * 0.45, 0, 0);
    painter.setPen(QPen(QColor(0x10, 0x50, 0x18), 1));
    painter.setBrush(QColor(0x30, 0xA0, 0x38));
    painter.drawPath(leaf);
    painter.setPen(QPen(QColor(0x80, 0xD0, 0x70), 0.8));
    painter.drawLine(QPointF(length * 0.1, 0), QPointF(length * 0.8, 0));
    painter.restore();
}

struct Bloom {
    QColor petal;
    QColor heart;
};

// Petals are ellipses around the centre, lighter towards the heart; the heart is a small disc.
void drawFlower(QPainter& painter, QPointF centre, double radius, const Bloom& bloom, int petals,
                double turn) {
    painter.save();
    painter.translate(centre);
    painter.rotate(turn);
    QRadialGradient shade(QPointF(0, 0), radius);
    shade.setColorAt(0, bloom.petal.lighter(160));
    shade.setColorAt(1, bloom.petal);
    painter.setPen(QPen(bloom.petal.darker(170), 1));
    painter.setBrush(shade);
    for (int i = 0; i < petals; ++i) {
        painter.drawEllipse(QRectF(radius * 0.1, -radius * 0.34, radius * 0.9, radius * 0.68));
        painter.rotate(360.0 / petals);
    }
    painter.setPen(QPen(bloom.heart.darker(150), 1));
    painter.setBrush(bloom.heart);
    painter.drawEllipse(QPointF(0, 0), radius * 0.3, radius * 0.3);
    painter.restore();
}

// The main strand and a thinner one twisting round it, half a wave out of step.
void drawVine(QPainter& painter, const QPainterPath& vine) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1E, 0x70, 0x28), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(vine);
    painter.setPen(QPen(QColor(0x38, 0x90, 0x30), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(vinePath(std::numbers::pi));
}

// Flowers sit at even steps along the vine, alternately on either side of it, with two leaves in
// each gap; the tables have different lengths so that colour, size and petal count do not repeat in
// step. A large flower covers the corner.
void drawGarland(QPainter& painter) {
    const std::array blooms{Bloom{QColor(0xE0, 0x18, 0x18), QColor(0xFF, 0xD7, 0x00)},
                            Bloom{QColor(0xFF, 0x80, 0xC0), QColor(0xFF, 0xB0, 0x00)},
                            Bloom{QColor(0xFF, 0xE0, 0x30), QColor(0xFF, 0x80, 0x00)},
                            Bloom{QColor(0xF4, 0xF4, 0xF4), QColor(0xFF, 0xC0, 0x00)},
                            Bloom{QColor(0x90, 0x40, 0xD0), QColor(0xFF, 0xD7, 0x00)}};
    constexpr std::array kRadii{15.0, 8.0, 18.0, 11.0, 16.0, 7.0, 13.0, 10.0, 17.0};
    constexpr int kFlowers = 30;

    const QPainterPath vine = vinePath(0);
    drawVine(painter, vine);
    for (int i = 0; i <= 2 * kFlowers; ++i) {
        const double at = double(i) / (2 * kFlowers);
        const double side = i % 4 < 2 ? 1 : -1;
        drawLeaf(painter, vine.pointAtPercent(at), vine.angleAtPercent(at) + side * 50, 14 + i % 3 * 3);
    }
    for (int i = 0; i < kFlowers; ++i) {
        const double at = (i + 0.75) / (kFlowers + 0.5);
        const double radius = kRadii[i % kRadii.size()];
        const double side = i % 2 == 0 ? 1 : -1;
        const QPointF offset = QLineF::fromPolar(radius * 0.4, vine.angleAtPercent(at) + side * 90).p2();
        drawFlower(painter, vine.pointAtPercent(at) + offset, radius, blooms[i % blooms.size()],
                   i % 3 == 2 ? 6 : 5, i * 23);
    }
    drawFlower(painter, QPointF(kGarlandRight - 4, kGarlandTop + 4), 21, blooms[4], 6, 10);
}

} // namespace

QImage drawMenuBackdrop(qreal ratio) {
    QImage garland(kGarlandSize * ratio, QImage::Format_RGB32);
    garland.setDevicePixelRatio(ratio);
    garland.fill(Qt::black);
    QPainter painter(&garland);
    painter.setRenderHint(QPainter::Antialiasing);
    drawGarland(painter);
    painter.end();
    // Stretched as the menu's backdrop widget draws a picture of another size.
    QImage backdrop(kMenuBackdropSize * ratio, QImage::Format_RGB32);
    backdrop.setDevicePixelRatio(ratio);
    QPainter stretch(&backdrop);
    stretch.setRenderHint(QPainter::SmoothPixmapTransform);
    stretch.drawImage(QRect(QPoint(), kMenuBackdropSize), garland);
    return backdrop;
}

QImage drawPencil(int size) {
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPencil(painter, size);
    return image;
}

QImage drawLeftArrow(qreal ratio) {
    const QPolygonF arrow{kPointerTip, {15, 4}, {15, 11}, {29, 11}, {29, 21}, {15, 21}, {15, 28}};
    QImage image = transparentImage(static_cast<int>(32 * ratio));
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QColor(0x00, 0x00, 0xFF));
    painter.drawPolygon(arrow);
    return image;
}

} // namespace assets
