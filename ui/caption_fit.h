// Captions kept whole inside their widgets. The screens' Windows faces are stood in for by fonts that
// set Arabic wider and taller than the originals (DejaVu Sans for Arial and MS Sans Serif, Amiri for
// Traditional Arabic), so some captions would overflow their boxes or have their dots and tails cut
// off. Such a caption is moved by a pixel or two where the other side has room, or else set smaller
// until its ink keeps a pixel inside the label, or a pixel clear of a button's bevel. A caption that
// fits keeps the font it was built with.
#pragma once

class QAbstractButton;
class QWidget;

namespace ui {

class Label;

void fitCaption(Label& label);
void fitCaption(QAbstractButton& button);
// Every label and button of a screen.
void fitCaptions(QWidget& screen);

} // namespace ui
