// One row of the program's screen table (app/screen_table.cpp): what start-up, the menu and the
// tests know of a screen. The menu is given the rows of the screens it opens, so it needs no
// knowledge of start-up.
#pragma once

#include <string_view>

#include "ui/form.h"

namespace screens {

struct ScreenEntry {
    std::string_view name;       // the form's name, "frmqdv"
    ui::forms::Maker make;       // loads the screen at its first values
    std::string_view arabicName; // what the program calls it; the caption of its menu button
};

} // namespace screens
