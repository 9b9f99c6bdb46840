// Drawing a page of text (ui::TextPage) for a printer.
#pragma once

class QPainter;

namespace ui {

struct TextPage;

// Draws the page within the painter's viewport: the title centred at the top, then the rows, their
// columns laid from the right edge. A page whose rows would be wider than the paper is set smaller.
void drawTextPage(QPainter& painter, const TextPage& page);

} // namespace ui
