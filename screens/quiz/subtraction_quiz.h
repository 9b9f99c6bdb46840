// The screen `frmqm`: the subtraction test.
#pragma once

#include <string_view>

#include "screens/quiz/quiz_screen.h"

namespace screens {

class SubtractionQuiz : public QuizScreen {
  public:
    static constexpr std::string_view kName = "frmqm";
    SubtractionQuiz();
};

} // namespace screens
