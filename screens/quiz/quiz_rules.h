// The rules of the test screens that need no widgets: the shape of a generated problem and its
// solution texts, how a result is completed (reduced pair, whole number, which boxes are asked for),
// how a typed answer is compared with the solution, and when a reward star is earned.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace screens::quiz {

// The numbers of a generated problem: the first fraction a over b and the second c over d. A panel
// with one denominator has d equal to b; a fraction times or over a whole number has that number in c
// and no d.
struct Problem {
    int a = 0, b = 0, c = 0, d = 0;
};

// The sign factor (-1)^s of the problem formulas.
constexpr int signFactor(int s) { return s % 2 == 0 ? 1 : -1; }

// Makes a panel's problem from the two tick counters' values, t1 and t2.
using Formula = Problem (*)(int t1, int t2);

// The terms of a panel's working, each shown in a label, typed in an answer box, or both.
// clang-format off
enum class Term {
    None,
    A, B, C, D,                                  // the problem's numbers
    Numerator, Denominator,                      // the result N over D before reduction
    ReducedNumerator, ReducedDenominator, Whole, // the result completed
    WorkingNumerator, WorkingDenominator,        // the working pair
    CopyNumerator, CopyDenominator,              // division: the dividend copied
    ReciprocalNumerator, ReciprocalDenominator,  // division: the divisor turned over
};
// clang-format on
inline constexpr size_t kTerms = static_cast<size_t>(Term::ReciprocalDenominator) + 1;

// The text a solution writes in the label of a term.
struct Caption {
    Term term = Term::None;
    std::string text;
};

// What a panel writes for its problem besides the problem labels: working texts and other solution
// labels in the order they are written, then the result N over D before reduction.
struct Solution {
    std::vector<Caption> labels;
    std::string n, d;
};
using Solver = Solution (*)(const Problem&);

// A panel's problems: a formula for each level and the solution texts of what they make.
struct PanelProblems {
    std::array<Formula, 2> formulas; // level 1, level 2
    Solver solve;
};

// Reduced-or-whole: a result asks for the reduced pair or the whole number, never both.
// Reduced-and-whole: a whole result that can be reduced asks for both.
enum class WholeRule { ReducedOrWhole, ReducedAndWhole };

// The rest of the solution and which answer boxes the problem asks for. The reduced texts are empty
// when there is nothing to reduce, the whole text when the result is not a whole number.
struct Completion {
    std::string reducedNumerator, reducedDenominator, whole;
    bool asksReduced = false, asksWhole = false;
};
Completion complete(WholeRule rule, std::string_view n, std::string_view d);

// Two terms read together as a fraction; a lone number has no denominator.
struct Terms {
    Term numerator = Term::None, denominator = Term::None;
};
inline constexpr Terms kResult{Term::Numerator, Term::Denominator};
inline constexpr Terms kReduced{Term::ReducedNumerator, Term::ReducedDenominator};
inline constexpr Terms kWhole{Term::Whole};
inline constexpr Terms kWorking{Term::WorkingNumerator, Term::WorkingDenominator};
inline constexpr Terms kCopy{Term::CopyNumerator, Term::CopyDenominator};
inline constexpr Terms kReciprocal{Term::ReciprocalNumerator, Term::ReciprocalDenominator};

// The answer boxes whose visibility decides whether a marking step runs: the box of `shown` must be
// shown and that of `hidden` hidden (None: no condition).
struct Guard {
    Term shown = Term::None;
    Term hidden = Term::None;
};

// How a marking step judges the typed boxes against the solution labels.
enum class Comparison {
    FractionValue, // same quotient, sign included: 10 over 12 is right for 5 over 6
    FractionSize,  // same size of quotient, the sign does not count
    NumberValue,   // one box, same value, sign included
    NumberSize,    // one box, same size
    WholeText,     // each box is a number written exactly as its label: "2.0" is wrong for "2"
    UnitOverWhole, // the numerator reads as 1, the denominator is written exactly as the label
};

// The texts of one step: a numerator and, for pairs, a denominator (empty view when there is none).
struct Pair {
    std::string_view numerator, denominator;
};

// One row of a marking plan: the boxes of the typed terms against the labels of the expected ones.
struct Step {
    Guard guard;
    Terms typed;
    Terms expected;
    Comparison kind;
    double weight;
};

// An empty box, blanks, a lone "-" or a zero to divide by make the step wrong; nothing here divides
// by zero or reads a non-number.
bool isRight(Comparison kind, Pair typed, Pair expected);

// The reward check: a star for a success rate above four fifths, never while nothing has been
// attempted, and with the every-fourth gate only when the attempt count, rounded half to even, is a
// multiple of 4.
bool earnsStar(double right, double attempts, bool everyFourthGate);

} // namespace screens::quiz
