// The screen `frmqdv`.
#pragma once

#include "ui/form.h"

namespace screens {

class DivisionTest : public ui::Form {
  public:
    DivisionTest();
};

} // namespace screens
