// The screen `frmqd`: the multiplication test.
#pragma once

#include "screens/test/test_screen.h"

namespace screens {

class MultiplicationTest : public TestScreen {
  public:
    MultiplicationTest();
};

} // namespace screens
