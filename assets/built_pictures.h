// The pictures the program shows from its first moment (the main menu's backdrop, the window icon
// and the menu's pointer) are drawn by code once, when the program is built (draw_pictures), and
// kept in the program's read-only data as pixels: at start-up nothing is drawn, unpacked or copied.
#pragma once

#include <QImage>
#include <QPoint>

namespace assets {

struct BuiltPicture {
    const unsigned char* pixels; // row after row, 4 bytes a pixel
    int width, height;
    QImage::Format format;
};

// The garland is drawn at 640 x 480 and stretched, as the menu shows it, to its backdrop widget
// `Image1` (11400 x 7620 twips, 760 x 508 pixels), so that painting the menu is a plain copy.
inline constexpr QSize kGarlandSize(640, 480);
inline constexpr QSize kMenuBackdropSize(760, 508);
// Where the menu pointer's arrow points, its hot spot.
inline constexpr QPoint kPointerTip(2, 16);

// The drawings, for a device pixel ratio: the build draws them at ratio 1 (and the icon's larger
// sizes), a screen scaled twice has the backdrop drawn again at ratio 2 when it is first shown.
QImage drawMenuBackdrop(qreal ratio = 1);
QImage drawPencil(int size);
QImage drawLeftArrow(qreal ratio = 1);

// Written by the build.
extern const BuiltPicture kMenuBackdrop, kPencil64, kPencil32, kPencil16, kLeftArrow, kLeftArrow2x;

} // namespace assets
