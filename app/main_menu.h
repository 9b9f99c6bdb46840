// The main menu `frmqqq`: nine buttons open the other screens, the tenth ends the program, and a
// frame follows whichever button has the focus.
#pragma once

#include <string_view>

#include "ui/form.h"

namespace app {

class MainMenu : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmqqq";
    MainMenu();
};

} // namespace app
