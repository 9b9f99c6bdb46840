// The nine screens the main menu opens, with the menu button that opens each.
#pragma once

#include <array>
#include <string_view>

namespace bench {

struct MenuEntry {
    std::string_view screen, button;
};

inline constexpr std::array<MenuEntry, 9> kMenuEntries{{
    {"frmaddq", "Command1"},
    {"frmqm", "Command2"},
    {"frmqd", "Command3"},
    {"frmqdv", "Command4"},
    {"frmqo", "Command6"},
    {"frmpq", "Command10"},
    {"frmqaa", "Command7"},
    {"frmqad", "Command9"},
    {"frmqam", "Command8"},
}};

} // namespace bench
