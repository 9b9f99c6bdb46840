// The screen `frmqd`.
#pragma once

#include "ui/form.h"

namespace screens {

class MultiplicationTest : public ui::Form {
  public:
    MultiplicationTest();
};

} // namespace screens
