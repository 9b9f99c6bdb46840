// The widget-free rules of the test screens: completing a result, comparing answers, earning stars.
#include <gtest/gtest.h>

#include "screens/quiz/quiz_rules.h"
#include "tests/quiz/expected_completion.h"

namespace {

using screens::quiz::Comparison;
using screens::quiz::WholeRule;

struct CompletionCase {
    WholeRule rule;
    const char *n, *d;
    ExpectedCompletion expected;
};

constexpr WholeRule kOr = WholeRule::ReducedOrWhole;
constexpr WholeRule kAnd = WholeRule::ReducedAndWhole;

constexpr CompletionCase kCompletions[] = {
    {kOr, "7", "3", {"", "", "", false, false}},     // already in lowest terms
    {kOr, "-6", "4", {"-3", "2", "", true, false}},  // the sign stays on the numerator
    {kOr, "0", "6", {"", "", "0", false, true}},     // a zero result asks for the whole box
    {kAnd, "0", "6", {"", "", "0", false, true}},    //
    {kOr, "2", "2", {"", "", "1", false, true}},     // the whole number replaces the reduced pair
    {kOr, "286", "143", {"", "", "2", false, true}}, // the whole number replaces 2/1 (by 143)
    {kAnd, "286", "143", {"2", "1", "2", true, true}},
    {kAnd, "6", "3", {"2", "1", "2", true, true}},       // a reducible whole result asks for both
    {kAnd, "324", "162", {"2", "1", "2", true, true}},   // divided by 162
    {kAnd, "-105", "210", {"-1", "2", "", true, false}}, // divided by 105
    {kOr, "120", "-240", {"1", "-2", "", true, false}},  // divided by 120, the sign kept where it was
    {kAnd, "7", "1", {"", "", "7", false, false}},       // whole but nothing to reduce: nothing asked
    {kAnd, "-10", "5", {"-2", "1", "-2", true, true}},
};

class Completing : public testing::TestWithParam<CompletionCase> {};

TEST_P(Completing, FillsTheReducedAndWholeLabelsAndAsksForTheRightBoxes) {
    const CompletionCase& c = GetParam();
    expectCompletion(screens::quiz::complete(c.rule, *fraction::Fraction::read(c.n, c.d)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Results, Completing, testing::ValuesIn(kCompletions));

struct ComparisonCase {
    Comparison kind;
    const char *typedNumerator, *typedDenominator;
    const char *expectedNumerator, *expectedDenominator;
    bool right;
};

constexpr ComparisonCase kComparisons[] = {
    {Comparison::FractionValue, "10", "12", "5", "6", true},
    {Comparison::FractionValue, "5", "6", "5", "6", true},
    {Comparison::FractionValue, "5", "0", "5", "6", false},
    {Comparison::FractionValue, "5", "-", "5", "6", false},
    {Comparison::FractionValue, "", "6", "5", "6", false},
    {Comparison::FractionValue, "-", "6", "5", "6", false},
    {Comparison::FractionValue, "  ", "6", "0", "6", false},
    {Comparison::FractionValue, "-6", "4", "-6", "4", true},
    {Comparison::FractionValue, "6", "-4", "-6", "4", true},
    {Comparison::FractionValue, "6", "4", "-6", "4", false},
    {Comparison::FractionValue, "0", "5", "0", "2", true},
    {Comparison::FractionValue, "7", "7.5", "14", "15", true},
    {Comparison::FractionValue, "0.6", "0.4", "6", "4", true},   // by the decimals' exact values,
    {Comparison::FractionValue, "1.4", "1.5", "14", "15", true}, // not their binary quotients
    {Comparison::FractionValue, "0.3", "0.1", "3", "1", true},
    {Comparison::FractionValue, "0.30000000000000001", "0.1", "3", "1", false},
    {Comparison::FractionSize, "-3", "2", "-6", "4", true},
    {Comparison::FractionSize, "3", "-2", "-6", "4", true},
    {Comparison::FractionSize, "3", "2", "-6", "4", true},
    {Comparison::FractionSize, "3", "0", "-6", "4", false},
    {Comparison::FractionSize, "2", "3", "-6", "4", false},
    {Comparison::FractionSize, "3", "0.9", "10", "3", true},  // 60/18 reduced, typed with decimals:
    {Comparison::FractionSize, "6", "1.8", "10", "3", true},  // right by their values (3 / 0.9 is not 10 / 3
    {Comparison::FractionSize, "-6", "1.8", "10", "3", true}, // in binary floating point)
    {Comparison::FractionSize, "10", "3", "10", "3", true},
    {Comparison::FractionSize, "3.000001", "0.9", "10", "3", false},
    {Comparison::FractionSize, "", "3", "10", "3", false},
    {Comparison::FractionSize, "  ", "3", "10", "3", false},
    {Comparison::FractionSize, "-", "3", "10", "3", false},
    {Comparison::FractionSize, "10", "", "10", "3", false},
    {Comparison::FractionSize, "0", "-0.0", "0", "3", false},
    {Comparison::NumberSize, "-2", "", "2", "", true},
    {Comparison::NumberSize, "2", "", "-2", "", true},
    {Comparison::NumberSize, "3", "", "2", "", false},
    {Comparison::NumberSize, "", "", "2", "", false},
    {Comparison::NumberSize, "-", "", "2", "", false},
    {Comparison::NumberSize, "-0.30", "", "0.3", "", true},
    {Comparison::NumberSize, "0.30000000000000001", "", "0.3", "", false}, // one double, not one number
    {Comparison::NumberSize, "  ", "", "2", "", false},
    {Comparison::NumberValue, "15", "", "15", "", true},
    {Comparison::NumberValue, "15.0", "", "15", "", true},
    {Comparison::NumberValue, "-15", "", "15", "", false},
    {Comparison::NumberValue, "-", "", "15", "", false},
    {Comparison::NumberValue, "15.000000000000001", "", "15", "", false}, // one double, not one number
    {Comparison::WholeText, "2", "", "2", "", true},
    {Comparison::WholeText, " 2 ", "", "2", "", true},
    {Comparison::WholeText, "2.0", "", "2", "", false},
    {Comparison::WholeText, "02", "", "2", "", false},
    {Comparison::WholeText, "-2", "", "-2", "", true},
    {Comparison::WholeText, "2", "", "-2", "", false},
    {Comparison::WholeText, "", "", "", "", false},
    {Comparison::WholeText, "2", "5", "2", "5", true}, // two boxes, each against its label
    {Comparison::WholeText, "2", "05", "2", "5", false},
    {Comparison::WholeText, "2", "", "2", "5", false},
    {Comparison::UnitOverWhole, "1", "4", "", "4", true},
    {Comparison::UnitOverWhole, "1.0", "4", "", "4", true},
    {Comparison::UnitOverWhole, "01", "-1", "", "-1", true},
    {Comparison::UnitOverWhole, "1.0000000000000001", "4", "", "4", false},
    {Comparison::UnitOverWhole, "2", "4", "", "4", false},
    {Comparison::UnitOverWhole, "1", "04", "", "4", false},
    {Comparison::UnitOverWhole, "1", "", "", "", false},
    {Comparison::UnitOverWhole, "-", "4", "", "4", false},
};

class Comparing : public testing::TestWithParam<ComparisonCase> {};

TEST_P(Comparing, JudgesTheTypedBoxes) {
    const ComparisonCase& c = GetParam();
    using screens::Written;
    EXPECT_EQ(
        screens::quiz::isRight(c.kind, {Written::read(c.typedNumerator), Written::read(c.typedDenominator)},
                               {Written::read(c.expectedNumerator), Written::read(c.expectedDenominator)}),
        c.right);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Comparing, testing::ValuesIn(kComparisons));

struct StarCase {
    double right, attempts;
    bool gate, star;
};

constexpr StarCase kStars[] = {
    {0, 0, false, false},    {1, 0, false, false},   // nothing attempted yet: the first right step
    {1.5, 1, false, true},   {4, 5, false, false},   // exactly four fifths is not enough
    {4.5, 5, false, true},   {1.5, 1, true, false},  // the gate: 1 is not a multiple of 4
    {5, 4, true, true},      {4.5, 3.5, true, true}, // 3.5 rounds to 4
    {4.5, 2.5, true, false}, {6, 5, true, false},    // 2.5 rounds to 2
    {8, 8, true, true},      {6, 8, true, false},
};

class EarningStars : public testing::TestWithParam<StarCase> {};

TEST_P(EarningStars, NeedsMoreThanFourFifths) {
    const StarCase& c = GetParam();
    EXPECT_EQ(screens::quiz::earnsStar(c.right, c.attempts, c.gate), c.star);
}

INSTANTIATE_TEST_SUITE_P(Scores, EarningStars, testing::ValuesIn(kStars));

} // namespace
