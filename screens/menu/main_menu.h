// The main menu `frmqqq`: nine buttons open the other screens, the tenth ends the program, and a
// frame follows whichever button has the focus.
#pragma once

#include <span>
#include <string_view>

#include "screens/menu/screen_entry.h"
#include "ui/form.h"

namespace screens {

class MainMenu : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmqqq";
    // `opens`: the screens its buttons open, each giving its button's caption.
    explicit MainMenu(std::span<const ScreenEntry> opens);
    // The object name of the button that opens the screen of that name ("Command1" for "frmaddq").
    static std::string_view buttonOpening(std::string_view screen);
};

} // namespace screens
