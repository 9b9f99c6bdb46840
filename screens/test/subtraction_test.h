// The screen `frmqm`.
#pragma once

#include "ui/form.h"

namespace screens {

class SubtractionTest : public ui::Form {
  public:
    SubtractionTest();
};

} // namespace screens
