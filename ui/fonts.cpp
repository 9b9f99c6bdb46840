#include "ui/fonts.h"

#include <QFont>

#include <cmath>

#include "ui/widgets.h"

namespace ui {

namespace {

constexpr std::string_view kTraditionalArabic = "Traditional Arabic";

// Windows has Traditional Arabic itself (on a Windows without its Arabic fonts, Times New Roman stands
// in at its own size). Elsewhere Amiri stands in for it, wider and taller at the same size: nine
// tenths of the size keeps the screens' captions within their boxes. Known without asking the font
// database, which would load the machine's whole list of fonts before the first window is shown.
#ifdef _WIN32
constexpr double kTraditionalArabicSize = 1.0;
#else
constexpr double kTraditionalArabicSize = 0.9;
#endif

} // namespace

// Sizes are given in points at 96 dots per inch, as the screens were drawn; pixel sizes keep every
// screen the same size whatever the machine's own setting.
QFont screenFont(const Font& font) {
    const std::string_view face = font.face.empty() ? std::string_view("MS Sans Serif") : font.face;
    QFont result(qstr(face));
    const double factor = face == kTraditionalArabic ? kTraditionalArabicSize : 1.0;
    const double pixelSize = (font.points > 0 ? font.points : 8.25) * 96 / 72 * factor;
    result.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    result.setBold(font.bold);
    return result;
}

// Windows has the screens' faces; elsewhere the first of their stand-ins that the machine has draws
// the text: Debian's fonts first, then the faces every Windows has, for a Windows without
// Traditional Arabic (it comes with Windows' Arabic fonts) or without the old bitmap MS Sans Serif.
void installFontSubstitutes() {
    QFont::insertSubstitutions(qstr(kTraditionalArabic),
                               {QStringLiteral("Amiri"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Times New Roman"), QStringLiteral("Arial")});
    // Liberation Sans has Arial's metrics but no Arabic letters; the condensed DejaVu face draws them
    // at about the width of Arial's own Arabic, so Arabic captions keep within their buttons.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma")});
}

} // namespace ui
