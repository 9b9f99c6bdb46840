// Start-up: inside an existing QApplication, sets up fonts, the window icon and the screens, then
// loads and shows the main menu.
#pragma once

namespace app {

// Who the program is to the desktop: its name, version and organisation, and its desktop entry, which
// ties its windows to the entry's name and icon on X11 and Wayland. Needs no QApplication yet.
void identify();

void start();

// Everything start() does but showing the menu: the look, the fonts, the window icon, Qt's own dialogs
// in Arabic, and the screen table handed to the forms layer, which loads screens by name from it.
// Tests that open a screen directly call it.
void prepare();

} // namespace app
