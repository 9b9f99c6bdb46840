// The screen `frmaddq`.
#pragma once

#include "ui/form.h"

namespace screens {

class AdditionTest : public ui::Form {
  public:
    AdditionTest();
};

} // namespace screens
