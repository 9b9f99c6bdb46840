// Every screen of the program, once: its form name, the class that builds it and its Arabic name. It
// is the program's only list of screens: the forms layer loads a screen by name through makerOf, the
// menu is given its buttons' captions from here (which button opens which screen is the menu's own
// business), and the benchmarks, the screenshot tool and the tests read it. A new screen is its own
// files and one row.
#pragma once

#include <span>
#include <string_view>

#include "screens/menu/screen_entry.h"
#include "ui/form.h"

namespace app {

using screens::ScreenEntry;

// The menu first, then the screens in the order of the menu's buttons.
std::span<const ScreenEntry> screenTable();

// The screens the menu opens.
std::span<const ScreenEntry> menuScreens();

// The maker of the screen of that name, or null when the table has none.
ui::forms::Maker makerOf(std::string_view name);

} // namespace app
