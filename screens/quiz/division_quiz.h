// The screen `frmqdv`: the division test.
#pragma once

#include <string_view>

#include "screens/quiz/quiz_screen.h"

namespace screens {

class DivisionQuiz : public QuizScreen {
  public:
    static constexpr std::string_view kName = "frmqdv";
    DivisionQuiz();
};

} // namespace screens
