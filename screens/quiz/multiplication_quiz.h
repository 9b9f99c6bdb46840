// The screen `frmqd`: the multiplication test.
#pragma once

#include <string_view>

#include "screens/quiz/quiz_screen.h"

namespace screens {

class MultiplicationQuiz : public QuizScreen {
  public:
    static constexpr std::string_view kName = "frmqd";
    MultiplicationQuiz();
};

} // namespace screens
