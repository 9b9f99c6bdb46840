// The screen `frmaddq`: the addition test.
#pragma once

#include <string_view>

#include "screens/quiz/quiz_screen.h"

namespace screens {

class AdditionQuiz : public QuizScreen {
  public:
    static constexpr std::string_view kName = "frmaddq";
    AdditionQuiz();
};

} // namespace screens
