// The screen `frmpq`: a worksheet of five problems on mixed numbers, filled from tick counters or
// typed by the teacher, and printed as a page with lines for the pupil's class and name.
#pragma once

#include <string_view>

#include "screens/worksheet/problems.h"
#include "ui/form.h"

namespace screens {

class Worksheet : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmpq";
    Worksheet();

  private:
    std::int64_t counterValue(const worksheet::TickCounter& counter) const;
    void advance(const worksheet::TickCounter& counter);
    worksheet::CounterValues counterValues() const;
    void fillProblem(int row);
    void fillAllProblems();
    void chooseOperation(int option);
    void cycleOperator(int index);
    void printPage();
    void hideForPrint();
    void restoreAfterPrint();
    bool isEmpty(int box) const;
};

} // namespace screens
