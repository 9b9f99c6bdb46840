// The main menu's background, a garland of flowers on black along the top and right edges, is drawn
// by code once, when the program is built (draw_menu_background), and kept in the program's read-only
// data as pixels: drawing it, or unpacking it into fresh memory, would take longer at start-up than
// the rest of the menu.
#pragma once

#include <QImage>

namespace assets {

inline constexpr int kMenuBackgroundWidth = 640;
inline constexpr int kMenuBackgroundHeight = 480;
inline constexpr QImage::Format kMenuBackgroundFormat = QImage::Format_RGB32;

// Draws the picture; only the build calls it.
QImage drawMenuBackground();

// The drawn picture's pixels, row after row, 4 bytes each; written by the build.
extern const unsigned char kMenuBackgroundPixels[];

} // namespace assets
