// A screen drawn larger or smaller than its layout table: when the desktop's available area is too
// small for it, or when the whole program is zoomed for a projector. Each widget keeps what it was
// built with (its geometry at 1 and its font) and is drawn at its screen's scale from that, so a
// scaled screen is the same picture at another size: geometry, fonts, lines, borders and pictures.
#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace ui {

// The scale of the screen the widget is on; 1 for a widget that is on none (Qt's own dialogs).
double scaleOf(const QWidget& widget);
// A line `atOne` pixels thick at a scale of 1, drawn a whole number of pixels thick at the widget's scale.
int lineThickness(const QWidget& widget, int atOne);

// A length or a rectangle given at scale 1, at another scale. Rectangles scale by their edges, so
// widgets that meet at scale 1 still meet.
double scaled(double length, double scale);
QRect scaled(const QRect& atOne, double scale);

// Places a widget at its geometry at scale 1, taken at its screen's scale now and at every rescale.
void place(QWidget& widget, const QRect& atOne);
QRect placeAtOne(const QWidget& widget);

// The font a widget was built with, kept on it.
void keepBuiltFont(QWidget& widget);
QFont builtFont(const QWidget& widget);
// The font a widget is drawn with: its built font at `pixels` (at scale 1) taken to the widget's
// scale. Between whole pixels the size is given in points, which Qt keeps fractional.
QFont fontAt(const QWidget& widget, int pixels);

// Every widget of a screen at a new scale: geometry and font (captions are fitted afterwards).
void rescaleChildren(QWidget& screen, double scale);

} // namespace ui
