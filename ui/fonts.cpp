#include "ui/fonts.h"

#include <QFont>

#include <cmath>

#include "ui/widgets.h"

namespace ui {

// Sizes are given in points at 96 dots per inch, as the screens were drawn; pixel sizes keep every
// screen the same size whatever the machine's own setting.
QFont screenFont(const Font& font) {
    const std::string_view face = font.face.empty() ? std::string_view("MS Sans Serif") : font.face;
    QFont result(qstr(face));
    double pixelSize = (font.points > 0 ? font.points : 8.25) * 96 / 72;
    // Amiri, which stands in for Traditional Arabic, is wider and taller at the same size; nine
    // tenths of the size keeps the screens' captions within their boxes.
    if (face == "Traditional Arabic")
        pixelSize *= 0.9;
    result.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    result.setBold(font.bold);
    return result;
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Traditional Arabic"),
                               {QStringLiteral("Amiri"), QStringLiteral("DejaVu Sans")});
    // Liberation Sans has Arial's metrics but no Arabic letters; the condensed DejaVu face draws them
    // at about the width of Arial's own Arabic, so Arabic captions keep within their buttons.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

} // namespace ui
