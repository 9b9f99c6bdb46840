// What screen readers are shown of a screen: its widgets but the silent ones (shapes, lines, pictures
// and the rows marked silent, such as the two labels of a score), then the screen's spoken texts,
// each read as one element and made from the widgets whenever it is read (a score, the stars lit).
#pragma once

namespace ui {

// Makes screens show screen readers what they hold, as above; done once, when the first screen is made.
void installScreenAccessibility();

} // namespace ui
