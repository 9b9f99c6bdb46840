// What screen readers are shown of a screen: its widgets but those marked silent (decorations
// repeated many times, such as reward stars), then the screen's spoken texts, each read as one
// element and made from the widgets whenever it is read (a score held by two labels).
#pragma once

namespace ui {

// Makes screens show screen readers what they hold, as above; done once, when the first screen is made.
void installScreenAccessibility();

} // namespace ui
