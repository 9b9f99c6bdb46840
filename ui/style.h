// How the widget kinds take the look of their layout row: fonts by the design's face names, colours,
// borders, alignment and reading direction.
#pragma once

#include "ui/spec.h"

class QWidget;

namespace ui {

class Label;
class TextBox;
class Button;
class Frame;

// Maps the design's Windows faces onto fonts a Debian machine has (Amiri, Liberation Sans, DejaVu).
void installFontSubstitutes();

void applyBackground(QWidget& widget, Color back);

Label* makeLabel(QWidget* parent, const Spec& spec);
TextBox* makeTextBox(QWidget* parent, const Spec& spec);
Button* makeButton(QWidget* parent, const Spec& spec);
QWidget* makeOption(QWidget* parent, const Spec& spec);
Frame* makeFrame(QWidget* parent, const Spec& spec);

} // namespace ui
