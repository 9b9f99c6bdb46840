// The engine shared by the test screens: two panels, each making problems from the tick counters at
// one of two levels, marking the pupil's answers step by step and revealing the solution; a score of
// right steps over attempted steps; reward stars while the success rate stays above four fifths.
// Each screen is this class configured by a QuizSettings: its layout table, its formulas and
// solution texts, its marking plans and a few switches.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "screens/quiz/quiz_rules.h"
#include "ui/form.h"

namespace screens {

namespace quiz {

// A "=" sign of a solution row (`Label2(sign)`) that is shown with `Label1(label)`, or, when label is
// -1, shown whenever the row is revealed.
struct RowSign {
    int sign = 0;
    int label = -1;
};

// The widgets a panel's frame works with; numbers are indexes of Label1, Label2 and Text1.
struct PanelWidgets {
    std::array<int, 4> problem; // Label1 of a, b, c, d; -1 where the panel has no such number
    int n, d;                   // Label1 of the result before reduction
    int reducedNumerator, reducedDenominator, whole; // Label1
    int reducedBoxNumerator, reducedBoxDenominator;  // Text1
    int wholeBox;                                    // Text1
    int reducedSign, wholeSign;                      // Label2 in front of the reduced pair and whole box
    std::span<const int> answerBoxes;                // Text1 emptied for a new problem
    std::span<const int> rowLabels;                  // Label1 of the solution row
    std::span<const RowSign> rowSigns;               // Label2 of the solution row
    std::string_view evaluate;                       // the panel's evaluate button
};

// A box whose visibility decides whether a marking step runs: none, shown, or shown with another hidden.
struct Guard {
    int shown = -1;  // Text1 that must be shown, or -1
    int hidden = -1; // Text1 that must be hidden, or -1
};

// One row of a marking plan: typed Text1 boxes against Label1 solution labels (-1 for none).
struct Step {
    Guard guard;
    std::array<int, 2> typed;
    std::array<int, 2> expected;
    Comparison kind;
    double weight;
};

struct PanelSettings {
    const PanelWidgets& widgets;
    std::array<std::string_view, 2> newButtons; // level 1, level 2
    const PanelProblems& problems;
    std::span<const Step> plan;
};

// One reward star's place and size, in twips.
struct StarPlace {
    int index, left, top, width, height;
};

// Where a screen's 50 stars stand: a curved chain of `Image1(0)` to `Image1(22)` in a region
// 2340 by 2685 twips, three flowers of seven small stars side by side, six large stars.
struct StarGroups {
    int chainLeft, chainTop;
    std::array<int, 3> flowerLefts; // the flowers of Image1(23), Image1(31) and Image1(41)
    int flowerTop;
    std::array<StarPlace, 6> large;
};

struct QuizSettings {
    std::string_view name, caption;
    ui::Color background;
    std::span<const ui::Row> layout; // every widget but the stars
    StarGroups stars;
    int bound1, bound2; // Label7 counts modulo bound1, Label8 modulo bound2
    PanelSettings upper, lower;
    WholeRule rule;
    bool everyFourthGate;
    bool clearHidesStars;
    std::string_view back, exit;
    std::string_view cancelButton;  // may be empty
    std::string_view defaultButton; // may be empty
};

// The numbers a test screen keeps in its labels: the score, right steps over attempted steps, and the
// two hidden tick counters its problems are made from.
struct Tally {
    ui::Label& right;
    ui::Label& attempts;
    ui::Label& ticks1;
    ui::Label& ticks2;
};

} // namespace quiz

class QuizScreen : public ui::Form {
  public:
    explicit QuizScreen(const quiz::QuizSettings& settings);
    const quiz::QuizSettings& settings() const { return settings_; }

  private:
    void bindEvents();
    void advanceCounter(ui::Label& ticks, int bound);
    void chooseLevel(int level);
    void newProblem(const quiz::PanelSettings& panel, int level);
    void writeProblem(const quiz::PanelSettings& panel, const quiz::Problem& problem);
    void askFor(const quiz::PanelWidgets& widgets, const quiz::Completion& completion);
    void evaluate(const quiz::PanelSettings& panel);
    void mark(const quiz::Step& step);
    const quiz::PanelSettings& panelMadeBy(std::string_view newButton) const;
    bool answersEmpty(const quiz::PanelSettings& panel) const;
    bool runs(const quiz::Guard& guard) const;
    void reveal(const quiz::PanelWidgets& widgets);
    void hideRow(const quiz::PanelWidgets& widgets);
    void addToScore(ui::Label& count, double weight);
    void rewardCheck();
    int litStars() const;
    void lightStar();
    void clearScore();

    const quiz::QuizSettings& settings_;
    std::optional<quiz::Tally> tally_; // bound once the layout is built
};

} // namespace screens
