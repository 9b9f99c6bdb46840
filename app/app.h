// Start-up: inside an existing QApplication, sets up fonts, the window icon and the screens, then
// loads and shows the main menu.
#pragma once

namespace app {

void start();

// Everything start() does but showing the menu: the look, the fonts, the window icon, and every
// screen made known to the forms layer by name. Tests that open a screen directly call it.
void prepare();

} // namespace app
