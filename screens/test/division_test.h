// The screen `frmqdv`: the division test.
#pragma once

#include "screens/test/test_screen.h"

namespace screens {

class DivisionTest : public TestScreen {
  public:
    DivisionTest();
};

} // namespace screens
