// The program's pictures, drawn by code and kept for the life of the process; those shown from the
// start are drawn when the program is built (built_pictures.h), the others the first time they are
// asked for. No image files are read.
#pragma once

#include <QPixmap>

class QCursor;
class QIcon;

namespace assets {

// The window icon: a red pencil, at 16 x 16 and 32 x 32 pixels, and at 64 x 64 for screens scaled
// twice.
const QIcon& windowIcon();
// The pointer over the menu buttons: a blue-and-white arrow pointing left, 32 x 32, drawn for the
// program's device pixel ratio.
const QCursor& menuPointer();
// The pictures below are drawn for a device pixel ratio (2 on a screen scaled twice), so they are as
// sharp as the text around them; each is drawn once for each ratio asked for.
// The main menu's background: a garland of flowers on black along the top and right edges, drawn at
// 640 x 480 and stretched to the size the menu shows it at, 760 x 508.
QPixmap menuBackground(double ratio);
// A gold five-pointed star, 16 x 15, on a transparent ground.
QPixmap star(double ratio);
// A yellow sun, 32 x 32, on a transparent ground.
QPixmap sun(double ratio);

} // namespace assets
