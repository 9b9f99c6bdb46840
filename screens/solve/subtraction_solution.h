// The screen `frmqam`.
#pragma once

#include "ui/form.h"

namespace screens {

class SubtractionSolution : public ui::Form {
  public:
    SubtractionSolution();
};

} // namespace screens
