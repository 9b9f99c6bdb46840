// The screen `frmqd`: the multiplication test.
#pragma once

#include "screens/quiz/quiz_screen.h"

namespace screens {

class MultiplicationQuiz : public QuizScreen {
  public:
    MultiplicationQuiz();
};

} // namespace screens
