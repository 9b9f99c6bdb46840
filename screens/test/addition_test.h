// The screen `frmaddq`: the addition test.
#pragma once

#include "screens/test/test_screen.h"

namespace screens {

class AdditionTest : public TestScreen {
  public:
    AdditionTest();
};

} // namespace screens
