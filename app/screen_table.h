// Every screen of the program, once: its form name, the class that builds it, its Arabic name and
// the menu button that opens it. Start-up makes the screens known from here, the menu gives its
// buttons their captions and targets from here, and the benchmarks, the screenshot tool and the
// tests read it. A new screen is its own files and one row.
#pragma once

#include <span>
#include <string_view>

#include "ui/form.h"

namespace app {

struct ScreenEntry {
    std::string_view name;       // the form's name, "frmqdv"
    ui::Form* (*make)();         // loads the screen at its first values
    std::string_view arabicName; // what the program calls it; the caption of its menu button
    std::string_view menuButton; // the menu button that opens it; empty for the menu itself
};

// The menu first, then the screens in the order of the menu's buttons.
std::span<const ScreenEntry> screenTable();

// The screens the menu opens.
std::span<const ScreenEntry> menuScreens();

} // namespace app
