// The screen `frmpq`.
#pragma once

#include "ui/form.h"

namespace screens {

class Worksheet : public ui::Form {
  public:
    Worksheet();
};

} // namespace screens
