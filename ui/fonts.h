// The screens' typefaces, named as they were drawn on Windows (Arial, MS Sans Serif, Traditional
// Arabic), on the system the program runs on.
#pragma once

#include "ui/layout_row.h"

class QFont;

namespace ui {

// The font of a layout row's text at the screens' own size.
QFont screenFont(const Font& font);

// Maps the screens' Windows faces onto the fonts the machine has (on Debian: Amiri, Liberation Sans,
// DejaVu).
void installFontSubstitutes();

} // namespace ui
