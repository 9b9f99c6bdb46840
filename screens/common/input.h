// Behaviour shared by the answer and problem boxes of every screen.
#pragma once

#include "ui/widgets.h"

namespace screens {

// The input filter: a box holding anything but a number or a lone "-" is emptied, and Arabic-Indic
// digits are turned into 0-9 as they are typed. The assignment raises the box's Change again,
// nested, like any other. Returns true when the box's text was already acceptable as it stood.
bool filterInput(ui::TextBox& box);

} // namespace screens
