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

// The drawings; only the build calls them.
QImage drawMenuBackdrop();
QImage drawPencil(int size);
QImage drawLeftArrow();

// Written by the build.
extern const BuiltPicture kMenuBackdrop, kPencil32, kPencil16, kLeftArrow;

} // namespace assets
