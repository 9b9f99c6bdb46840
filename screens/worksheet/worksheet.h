// The screen `frmpq`: a worksheet of five problems on mixed numbers, filled from tick counters or
// typed by the teacher, and printed as a page with lines for the pupil's class and name.
#pragma once

#include <string_view>
#include <vector>

#include "screens/worksheet/problems.h"
#include "ui/form.h"
#include "ui/print.h"

namespace screens {

namespace worksheet {

// A hidden counter label, the timer that advances it and the rule it advances by.
struct CounterParts {
    ui::Label& count;
    ui::Timer& timer;
    const TickCounter& rule;
};

// The parts of the screen its handlers use, bound once from the layout table when it is built.
struct Parts {
    std::vector<CounterParts> counters = {};  // in the order of kTickCounters
    std::vector<ui::Button*> rowButtons = {}; // each fills its problem row
    std::vector<ui::Button*> operators = {};  // the five rows' operators, then their five "="
    std::vector<ui::TextBox*> boxes = {};     // by index: the fractions' boxes, then the whole-number boxes
    std::vector<ui::Line*> bars = {};         // the fractions' bars
    ui::Button& print;
    ui::Button& back;
    ui::Button& exit;
    ui::Button& fillAll;
    ui::Frame& operations;                       // the frame of operation options
    std::vector<QWidget*> operationOptions = {}; // its options, by index
};

} // namespace worksheet

class Worksheet : public ui::Form {
  public:
    static constexpr std::string_view kName = "frmpq";
    Worksheet();

  private:
    worksheet::Parts buildParts();
    void bindHandlers();
    static std::int64_t count(const worksheet::CounterParts& counter);
    static void advance(const worksheet::CounterParts& counter);
    worksheet::CounterValues counterValues() const;
    void fillProblem(int row);
    void fillAllProblems();
    void chooseOperation(int option);
    void cycleOperator(int index);
    void printPage();
    ui::TextPage answerKey() const;
    void hideForPrint();
    void restoreAfterPrint();
    void showHeaderButtons(bool shown);
    bool isEmpty(int box) const;

    worksheet::Parts parts_;
};

} // namespace screens
