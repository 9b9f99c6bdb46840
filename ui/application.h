// What the program tells Qt about itself as a whole: its identity, its language and its icon.
#pragma once

#include <string_view>

class QIcon;

namespace ui {

// The name, version and domain of the program, and the desktop entry that ties its windows to their
// icon and menu entry. The display name is left to the desktop entry: set here, Qt would add it to
// the title of every screen.
void identifyApplication(std::string_view name, std::string_view version, std::string_view domain,
                         std::string_view desktopEntry);

// The whole program is Arabic, so Qt's own texts (the buttons of a message box, the print dialog) are
// too, whatever the language the machine is set to, and its dialogs read right to left. Our own
// catalogue gives Arabic to the texts of the print dialog that Qt's leaves in English.
void speakArabic();

void setWindowIcon(const QIcon& icon);

} // namespace ui
