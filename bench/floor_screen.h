// The floor a screen is measured against: a plain QWidget of the screen's size with as many plain Qt
// child widgets as the screen has widgets, each of the same Qt class (QLabel, QLineEdit, QPushButton,
// QRadioButton, QGroupBox, QWidget for drawn shapes, lines and pictures), at the same place, with the
// same text and visibility, but with the default font, palette and style, unnamed and without handlers.
#pragma once

#include <QRect>
#include <QString>

#include <iosfwd>
#include <vector>

class QWidget;

namespace bench {

struct FloorChild {
    char kind; // L label, E line edit, B push button, R radio button, G group box, W plain widget
    QRect geometry;
    QString text;
    bool hidden;
};

struct FloorScreen {
    QString name;
    QSize size;
    std::vector<FloorChild> children;
};

// The floor of a built screen, named after it with ":floor": its named descendant widgets, placed
// in the screen's coordinates.
FloorScreen describe(const QWidget& screen);

// Builds the floor as a top-level window, not yet shown.
QWidget* build(const FloorScreen& floor);

// One screen per block of lines, texts percent-encoded, so a floor program can read them.
void write(std::ostream& out, const std::vector<FloorScreen>& floors);
std::vector<FloorScreen> read(std::istream& in);

} // namespace bench
