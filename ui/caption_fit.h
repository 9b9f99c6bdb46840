// The screens' Windows faces are stood in for by fonts that set Arabic wider than the originals
// (DejaVu Sans for Arial and MS Sans Serif), so some captions would overflow their boxes. Such a
// caption is set smaller until it fits; one that fits keeps the size it was built with.
#pragma once

class QLabel;
class QPushButton;
class QWidget;

namespace ui {

void fitCaption(QLabel& label);
void fitCaption(QPushButton& button);
// Every label and button of a screen, as built.
void fitCaptions(QWidget& screen);
// Every button of a screen, as built.
void fitButtonCaptions(QWidget& screen);

} // namespace ui
