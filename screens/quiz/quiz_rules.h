// The rules of the test screens that need no widgets: the shape of a generated problem and its
// solution, how a result is completed (reduced pair, whole number, which boxes are asked for), the
// worked problem a panel keeps, how a typed answer is compared with it, and when a reward star is
// earned. Every number here is an exact value (fraction/fraction_value.h); texts are only what the
// screen writes and what the pupil typed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fraction/fraction_value.h"
#include "screens/common/written.h"

namespace screens::quiz {

// The numbers of a generated problem: the first fraction and the second. A panel with one denominator
// has the same denominator in both; a fraction times or over a whole number n has n over 1 second.
struct Problem {
    fraction::Fraction first, second;

    // From the whole numbers a, b, c, d the formulas compute: a over b, and c over d.
    static Problem of(int a, int b, int c, int d = 1);
    friend bool operator==(const Problem&, const Problem&) = default;
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

// The text a solution writes in the label of a term besides the numbers of the problem and result.
struct Caption {
    Term term = Term::None;
    std::string text;
};

// A problem solved: the result N over D before reduction, and the texts of the other labels of the
// solution row (working pair, dividend copy, reciprocal) in the order they are written.
struct Solution {
    fraction::Fraction result;
    std::vector<Caption> labels;
};
using Solver = Solution (*)(const Problem&);

// A panel's problems: a formula for each level and the solution of what they make.
struct PanelProblems {
    std::array<Formula, 2> formulas; // level 1, level 2
    Solver solve;
};

// Reduced-or-whole: a result asks for the reduced pair or the whole number, never both.
// Reduced-and-whole: a whole result that can be reduced asks for both.
enum class WholeRule { ReducedOrWhole, ReducedAndWhole };

// The rest of the solution and which answer boxes the problem asks for: the reduced pair (none when
// there is nothing to reduce), asked for whenever there is one, and the whole number (none when the
// result is not whole).
struct Completion {
    std::optional<fraction::Fraction> reduced;
    std::optional<fraction::Exact> whole;
    bool asksWhole = false;

    bool asksReduced() const { return reduced.has_value(); }
    // Whether a term's answer box is asked for: the reduced pair's and the whole number's as above,
    // every other box always (and no box, a step without a guard, too).
    bool asks(Term box) const;
};
Completion complete(WholeRule rule, const fraction::Fraction& result);

// A panel's current problem worked out, kept by the screen: what it shows and what it marks against.
struct WorkedProblem {
    Problem problem;
    Solution solution;
    Completion completion;

    // The value of a term; none for the working texts and what the completion left out.
    std::optional<fraction::Exact> value(Term term) const;
    // What the screen writes in a term's label: a value's number text, or a solution text.
    std::string text(Term term) const;
    Written number(Term term) const { return {text(term), value(term)}; }
};
WorkedProblem work(const PanelProblems& problems, WholeRule rule, const Problem& problem);

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

// The answer boxes that decide whether a marking step runs: the box of `shown` must be asked for and
// that of `hidden` not (None: no condition).
struct Guard {
    Term shown = Term::None;
    Term hidden = Term::None;
};
bool runs(const Guard& guard, const Completion& completion);

// How a marking step judges the typed boxes against the worked problem.
enum class Comparison {
    FractionValue, // same quotient, sign included: 10 over 12 is right for 5 over 6
    FractionSize,  // same size of quotient, the sign does not count
    NumberValue,   // one box, same value, sign included
    NumberSize,    // one box, same size
    WholeText,     // each box is a number written exactly as the screen wrote it: "2.0" is wrong for "2"
    UnitOverWhole, // the numerator reads as 1, the denominator is written exactly as the screen wrote it
};

// One row of a marking plan: the boxes of the typed terms against the worked problem's expected ones.
struct Step {
    Guard guard;
    Terms typed;
    Terms expected;
    Comparison kind;
    double weight;
};

// An empty box, blanks, a lone "-" or a zero to divide by make the step wrong; nothing here divides
// by zero.
bool isRight(Comparison kind, const WrittenFraction& typed, const WrittenFraction& expected);

// The reward check: a star for a success rate above four fifths, never while nothing has been
// attempted, and with the every-fourth gate only when the attempt count, rounded half to even, is a
// multiple of 4.
bool earnsStar(double right, double attempts, bool everyFourthGate);

} // namespace screens::quiz
