// The list behind forms::loaded(): a screen enters it when it is made and leaves it when it closes.
#pragma once

#include <vector>

namespace ui {

class Form;

namespace forms {

std::vector<Form*>& loadedList();

} // namespace forms

} // namespace ui
