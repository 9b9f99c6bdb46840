// The screen `frmaddq`: the addition test.
#pragma once

#include "screens/quiz/quiz_screen.h"

namespace screens {

class AdditionQuiz : public QuizScreen {
  public:
    AdditionQuiz();
};

} // namespace screens
