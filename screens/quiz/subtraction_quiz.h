// The screen `frmqm`: the subtraction test.
#pragma once

#include "screens/quiz/quiz_screen.h"

namespace screens {

class SubtractionQuiz : public QuizScreen {
  public:
    SubtractionQuiz();
};

} // namespace screens
