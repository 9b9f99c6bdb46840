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
    // `opens`: the screens its buttons open, each naming its button and giving it its caption.
    explicit MainMenu(std::span<const ScreenEntry> opens);
};

} // namespace screens
