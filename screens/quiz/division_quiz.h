// The screen `frmqdv`: the division test.
#pragma once

#include "screens/quiz/quiz_screen.h"

namespace screens {

class DivisionQuiz : public QuizScreen {
  public:
    DivisionQuiz();
};

} // namespace screens
