// How the widget kinds take the look of their layout row: fonts, colours, borders, alignment and
// reading direction.
#pragma once

#include "ui/layout_row.h"

class QWidget;

namespace ui {

class Label;
class TextBox;
class Button;
class Frame;

// One look on every platform (Qt's Fusion style), drawn from the palette each widget is given.
void installStyle();

void applyBackground(QWidget& widget, Color back);

Label* makeLabel(QWidget* parent, const Row& item);
TextBox* makeTextBox(QWidget* parent, const Row& item);
Button* makeButton(QWidget* parent, const Row& item);
QWidget* makeOption(QWidget* parent, const Row& item);
Frame* makeFrame(QWidget* parent, const Row& item);

} // namespace ui
