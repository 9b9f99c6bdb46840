// The program's pictures, drawn by code the first time they are asked for and kept for the life of
// the process. No image files are read.
#pragma once

class QCursor;
class QIcon;
class QPixmap;

namespace assets {

// The window icon: a red pencil, at 32 x 32 and 16 x 16 pixels.
const QIcon& windowIcon();
// The pointer over the menu buttons: a blue-and-white arrow pointing left, 32 x 32.
const QCursor& menuPointer();
// The main menu's background: 640 x 480, a garland of flowers on black along the top and right edges.
const QPixmap& menuBackground();
// A gold five-pointed star, 16 x 15, on a transparent ground.
const QPixmap& star();
// A yellow sun, 32 x 32, on a transparent ground.
const QPixmap& sun();

} // namespace assets
