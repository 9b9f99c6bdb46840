// The engine shared by the test screens: two panels, each making problems from the tick counters at
// one of two levels, marking the pupil's answers step by step and revealing the solution; a score of
// right steps over attempted steps; reward stars while the success rate stays above four fifths.
// Each screen is this class configured by a QuizSettings: its layout table and which of its widgets
// play which part, its formulas and solutions, its start problems, its marking plans and a few
// switches. The parts are bound once, when the screen is built; handlers and plans speak of them by
// their role.
//
// A panel's numbers flow one way. Each panel keeps its current problem worked out as exact values
// (quiz::WorkedProblem: the problem, the result N over D, the reduced pair and the whole number, the
// boxes asked for), from its start problem at opening and from the tick counters at every new one;
// the screen writes it into the panel's labels and shows the boxes it asks for. Evaluate reads each
// typed box once into a text and its exact number and compares it with the worked problem's values,
// or, where a step compares text, with the text the screen wrote for the term: no caption is read
// back to find a number. The score and the tick counters are the screen's tally, kept in labels.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "screens/quiz/quiz_rules.h"
#include "ui/form.h"

namespace screens {

namespace quiz {

// A "=" sign of a solution row (`Label2(sign)`) that is shown with the row's label of a term, or,
// when the term is None, whenever the row is revealed.
struct RowSign {
    int sign = 0;
    Term with = Term::None;
};

// Two Label1 or two Text1 indexes read together as a fraction; -1 where the panel has none.
struct IndexPair {
    int numerator = -1, denominator = -1;
};

// Which widgets of the layout play a panel's parts: indexes of Label1, Label2 and Text1.
struct PanelWidgets {
    std::array<int, 4> problem;                // Label1 of a, b, c, d; -1 where the panel has no such number
    int n, d;                                  // Label1 of the result before reduction
    IndexPair reduced;                         // Label1
    int whole;                                 // Label1
    IndexPair resultBoxes, reducedBoxes;       // Text1
    int wholeBox;                              // Text1
    int reducedSign, wholeSign;                // Label2 in front of the reduced pair and whole box
    std::span<const int> answerBoxes;          // Text1 emptied for a new problem
    std::span<const int> rowLabels;            // Label1 of the solution row
    std::span<const RowSign> rowSigns;         // Label2 of the solution row
    std::string_view evaluate;                 // the panel's evaluate button
    IndexPair working{};                       // Label1 a solution writes besides N and D
    IndexPair copy{}, copyBoxes{};             // Label1 and Text1 of the dividend copied
    IndexPair reciprocal{}, reciprocalBoxes{}; // Label1 and Text1 of the divisor turned over
};

struct PanelSettings {
    const PanelWidgets& widgets;
    std::array<std::string_view, 2> newButtons; // level 1, level 2
    const PanelProblems& problems;
    std::span<const Step> plan;
    Problem start; // the problem the panel opens on, as its layout table shows it solved
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
    int bound1, bound2; // the first tick counter counts modulo bound1, the second modulo bound2
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

// A "=" sign of a solution row and the label it shows with (null: it shows with the row).
struct SignPart {
    ui::Label& sign;
    ui::Label* with;
};

// A panel's widgets by their part, bound once when the screen is built.
struct PanelParts {
    const PanelSettings& settings;
    std::array<ui::Label*, kTerms> labels{};  // by term; null for None and where the panel has none
    std::array<ui::TextBox*, kTerms> boxes{}; // by term; null for None and where the panel has none
    ui::Label& reducedSign;
    ui::Label& wholeSign;
    std::vector<ui::TextBox*> answerBoxes{}; // emptied for a new problem
    std::vector<ui::Label*> row{};           // the solution row's labels
    std::vector<SignPart> rowSigns{};        // the solution row's signs
    ui::Button& evaluate;
    std::array<ui::Button*, 2> newButtons; // level 1, level 2

    ui::Label* label(Term term) const { return labels[static_cast<size_t>(term)]; }
    ui::TextBox* box(Term term) const { return boxes[static_cast<size_t>(term)]; }
    // What is typed in a term's box; empty where the panel has none.
    std::string typed(Term term) const { return box(term) ? box(term)->value() : std::string(); }
};

// The widgets a test screen's handlers act on.
struct Parts {
    std::array<PanelParts, 2> panels; // upper, lower
    Tally tally;
    std::array<ui::Timer*, 2> tickers;       // advance the tick counters
    std::array<ui::OptionEvents*, 2> levels; // the options of level 1 and level 2
    std::vector<ui::Image*> stars;           // in index order
    ui::Button& clear;
    ui::Button& back;
    ui::Button& exit;
    ui::Button* cancelButton;  // null where the screen has none
    ui::Button* defaultButton; // null where the screen has none
};

} // namespace quiz

class QuizScreen : public ui::Form {
  public:
    explicit QuizScreen(const quiz::QuizSettings& settings);
    const quiz::QuizSettings& settings() const { return settings_; }

  private:
    quiz::Parts buildParts();
    quiz::PanelParts bindPanel(const quiz::PanelSettings& panel);
    void bindEvents();
    void advanceCounter(ui::Label& ticks, int bound);
    void chooseLevel(int level);
    void newProblem(size_t panel, int level);
    static void show(const quiz::PanelParts& panel, const quiz::WorkedProblem& worked);
    void evaluate(size_t panel);
    void mark(const quiz::PanelParts& panel, const quiz::WorkedProblem& worked, const quiz::Step& step);
    const quiz::PanelParts& panelMadeBy(const ui::Button& newButton) const;
    static bool answersEmpty(const quiz::PanelParts& panel);
    static void reveal(const quiz::PanelParts& panel);
    static void hideRow(const quiz::PanelParts& panel);
    void addToScore(ui::Label& count, double weight);
    void rewardCheck();
    int litStars() const;
    void lightStar();
    void clearScore();

    const quiz::QuizSettings& settings_;
    quiz::Parts parts_;
    std::array<quiz::WorkedProblem, 2> worked_; // the problem on each panel: upper, lower
};

} // namespace screens
