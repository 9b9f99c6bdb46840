// The screen `frmqo`.
#pragma once

#include "ui/form.h"

namespace screens {

class MixedExercises : public ui::Form {
  public:
    MixedExercises();
};

} // namespace screens
