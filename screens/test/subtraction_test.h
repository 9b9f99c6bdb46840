// The screen `frmqm`: the subtraction test.
#pragma once

#include "screens/test/test_screen.h"

namespace screens {

class SubtractionTest : public TestScreen {
  public:
    SubtractionTest();
};

} // namespace screens
