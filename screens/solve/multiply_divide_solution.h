// The screen `frmqad`.
#pragma once

#include "ui/form.h"

namespace screens {

class MultiplyDivideSolution : public ui::Form {
  public:
    MultiplyDivideSolution();
};

} // namespace screens
