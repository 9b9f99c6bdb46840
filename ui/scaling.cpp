#include "ui/scaling.h"

#include <QFrame>
#include <QVariant>
#include <QWidget>

#include <cmath>

#include "ui/form.h"

namespace ui {

namespace {

constexpr char kPlaceAtOne[] = "placeAtOne";
constexpr char kBuiltFont[] = "builtFont";

int edge(int atOne, double scale) { return static_cast<int>(std::lround(atOne * scale)); }

} // namespace

double scaleOf(const QWidget& widget) {
    const auto* screen = dynamic_cast<const Form*>(widget.window());
    return screen ? screen->scale() : 1.0;
}

double scaled(double length, double scale) { return length * scale; }

QRect scaled(const QRect& atOne, double scale) {
    if (scale == 1.0)
        return atOne;
    const int left = edge(atOne.left(), scale), top = edge(atOne.top(), scale);
    return {left, top, edge(atOne.left() + atOne.width(), scale) - left,
            edge(atOne.top() + atOne.height(), scale) - top};
}

void place(QWidget& widget, const QRect& atOne) {
    widget.setProperty(kPlaceAtOne, atOne);
    widget.setGeometry(scaled(atOne, scaleOf(widget)));
}

QRect placeAtOne(const QWidget& widget) { return widget.property(kPlaceAtOne).toRect(); }

void keepBuiltFont(QWidget& widget) { widget.setProperty(kBuiltFont, widget.font()); }

QFont builtFont(const QWidget& widget) {
    const QVariant built = widget.property(kBuiltFont);
    return built.isValid() ? built.value<QFont>() : widget.font();
}

QFont fontAt(const QWidget& widget, int pixels) {
    QFont font = builtFont(widget);
    const double size = pixels * scaleOf(widget);
    if (size == std::floor(size))
        font.setPixelSize(static_cast<int>(size));
    else
        font.setPointSizeF(size * 72.0 / widget.logicalDpiY());
    return font;
}

void rescaleChildren(QWidget& screen, double scale) {
    for (QWidget* child : screen.findChildren<QWidget*>()) {
        if (const QVariant atOne = child->property(kPlaceAtOne); atOne.isValid())
            child->setGeometry(scaled(atOne.toRect(), scale));
        else if (auto* line = dynamic_cast<Line*>(child))
            line->rescale();
        if (child->property(kBuiltFont).isValid())
            child->setFont(fontAt(*child, builtFont(*child).pixelSize()));
        // A framed label's single line is a border, drawn as thick as the screen's lines.
        if (auto* framed = qobject_cast<QFrame*>(child); framed && framed->frameShape() == QFrame::Box)
            framed->setLineWidth(std::max(1, static_cast<int>(std::lround(scale))));
    }
}

// Lines drawn a whole number of pixels thick at the screen's scale.
int lineThickness(const QWidget& widget, int atOne) {
    return std::max(1, static_cast<int>(std::lround(atOne * scaleOf(widget))));
}

} // namespace ui
