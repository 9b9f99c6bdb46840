// The screen `frmqaa`.
#pragma once

#include "ui/form.h"

namespace screens {

class AdditionSolution : public ui::Form {
  public:
    AdditionSolution();
};

} // namespace screens
