// The program's pictures, drawn by code and kept for the life of the process; those shown from the
// start are drawn when the program is built (built_pictures.h), the others the first time they are
// asked for. No image files are read.
#pragma once

class QCursor;
class QIcon;
class QPixmap;

namespace assets {

// The window icon: a red pencil, at 32 x 32 and 16 x 16 pixels.
const QIcon& windowIcon();
// The pointer over the menu buttons: a blue-and-white arrow pointing left, 32 x 32.
const QCursor& menuPointer();
// The main menu's background: a garland of flowers on black along the top and right edges, drawn at
// 640 x 480 and stretched to the size the menu shows it at, 760 x 508.
const QPixmap& menuBackground();
// A gold five-pointed star, 16 x 15, on a transparent ground.
const QPixmap& star();
// A yellow sun, 32 x 32, on a transparent ground.
const QPixmap& sun();

} // namespace assets
