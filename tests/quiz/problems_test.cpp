// The problems of the addition and subtraction tests: the problems made for given counter values,
// and, for every pair of counter values, solution labels that agree with exact rational arithmetic
// and fit their boxes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <set>
#include <string>

#include "fraction/fraction.h"
#include "screens/quiz/addition_problems.h"
#include "screens/quiz/subtraction_problems.h"
#include "tests/quiz/expected_completion.h"

namespace {

using namespace screens::quiz;

constexpr WholeRule kOr = WholeRule::ReducedOrWhole;
constexpr WholeRule kAnd = WholeRule::ReducedAndWhole;

struct PanelCase {
    const char* name;
    const PanelProblems& problems;
    int level; // 0 for level 1, 1 for level 2
    WholeRule rule;
    Problem make(int t1, int t2) const { return problems.formulas[level](t1, t2); }
    Solution solve(const Problem& p) const { return problems.solve(p); }
};

const PanelCase kAdditionUpper1{"AdditionUpper1", addition::kUpper, 0, kOr};
const PanelCase kAdditionUpper2{"AdditionUpper2", addition::kUpper, 1, kOr};
const PanelCase kAdditionLower1{"AdditionLower1", addition::kLower, 0, kOr};
const PanelCase kAdditionLower2{"AdditionLower2", addition::kLower, 1, kOr};
const PanelCase kSubtractionUpper1{"SubtractionUpper1", subtraction::kUpper, 0, kAnd};
const PanelCase kSubtractionUpper2{"SubtractionUpper2", subtraction::kUpper, 1, kAnd};
const PanelCase kSubtractionLower1{"SubtractionLower1", subtraction::kLower, 0, kAnd};
const PanelCase kSubtractionLower2{"SubtractionLower2", subtraction::kLower, 1, kAnd};

struct Made {
    const PanelCase* panel;
    int t1, t2;
    std::array<std::int64_t, 4> problem;      // a, b, c, d
    const char *working, *workingDenominator; // empty for the upper panels
    const char *n, *d;
    ExpectedCompletion expected;
};

// clang-format off
const Made kMade[] = {
    {&kAdditionUpper1, 0, 0, {1, 2, 1, 2}, "", "", "2", "2", {"", "", "1", false, true}},
    {&kAdditionUpper1, 123, 45, {7, 15, 4, 15}, "", "", "11", "15", {"", "", "", false, false}},
    {&kAdditionUpper2, 0, 0, {-1, 2, -1, 2}, "", "", "-2", "2", {"", "", "-1", false, true}},
    {&kAdditionUpper2, 499, 399, {5, 17, -10, 17}, "", "", "-5", "17", {"", "", "", false, false}},
    {&kAdditionUpper2, 0, 13, {1, 15, -1, 15}, "", "", "0", "15", {"", "", "0", false, true}},
    {&kAdditionLower1, 0, 0, {2, 8, 5, 3}, "6 + 40", "24", "46", "24", {"23", "12", "", true, false}},
    {&kAdditionLower1, 7, 3, {9, 11, 8, 10}, "90 + 88", "110", "178", "110", {"89", "55", "", true, false}},
    {&kAdditionLower1, 0, 6, {2, 4, 11, 3}, "6 + 44", "12", "50", "12", {"25", "6", "", true, false}},
    {&kAdditionLower2, 0, 0, {-14, 8, -5, 10}, "-140 + -40", "80", "-180", "80", {"-9", "4", "", true, false}},
    {&kAdditionLower2, 123, 45, {11, 1, 8, 3}, "33 + 8", "3", "41", "3", {"", "", "", false, false}},
    {&kSubtractionUpper1, 0, 0, {7, 2, 1, 2}, "", "", "6", "2", {"3", "1", "3", true, true}},
    {&kSubtractionUpper1, 7, 3, {23, 5, 4, 5}, "", "", "19", "5", {"", "", "", false, false}},
    {&kSubtractionUpper1, 0, 9, {7, 11, 10, 11}, "", "", "-3", "11", {"", "", "", false, false}},
    {&kSubtractionUpper1, 499, 399, {16, 10, 10, 10}, "", "", "6", "10", {"3", "5", "", true, false}},
    {&kSubtractionUpper2, 0, 0, {-1, 2, -1, 2}, "", "", "0", "2", {"", "", "0", false, true}},
    {&kSubtractionUpper2, 123, 45, {4, 5, 14, 5}, "", "", "-10", "5", {"-2", "1", "-2", true, true}},
    {&kSubtractionLower1, 0, 0, {7, 9, 4, 18}, "126 - 36", "162", "90", "162", {"5", "9", "", true, false}},
    {&kSubtractionLower1, 1, 5, {13, 5, 9, 8}, "104 - 45", "40", "59", "40", {"", "", "", false, false}},
    {&kSubtractionLower1, 1, 1, {8, 10, 5, 5}, "40 - 50", "50", "-10", "50", {"-1", "5", "", true, false}},
    {&kSubtractionLower2, 0, 0, {-14, 9, -5, 11}, "-154 + 45", "99", "-109", "99", {"", "", "", false, false}},
    {&kSubtractionLower2, 0, 2, {-14, 11, -7, 12}, "-168 + 77", "132", "-91", "132", {"", "", "", false, false}},
    {&kSubtractionLower2, 497, 304, {7, 14, 15, 15}, "105 - 210", "210", "-105", "210", {"-1", "2", "", true, false}},
};
// clang-format on

class MakingProblems : public testing::TestWithParam<Made> {};

TEST_P(MakingProblems, GivesTheProblemAndItsSolutionLabels) {
    const Made& m = GetParam();
    const Problem p = m.panel->make(m.t1, m.t2);
    EXPECT_EQ(numbersOf(p), m.problem);
    const Solution solution = m.panel->solve(p);
    if (*m.working) {
        ASSERT_EQ(solution.labels.size(), 2U);
        EXPECT_EQ(solution.labels[0].term, Term::WorkingNumerator);
        EXPECT_EQ(solution.labels[0].text, m.working);
        EXPECT_EQ(solution.labels[1].term, Term::WorkingDenominator);
        EXPECT_EQ(solution.labels[1].text, m.workingDenominator);
    } else {
        EXPECT_TRUE(solution.labels.empty());
    }
    EXPECT_EQ(fraction::numberText(solution.result.numerator), m.n);
    EXPECT_EQ(fraction::numberText(solution.result.denominator), m.d);
    expectCompletion(complete(m.panel->rule, solution.result), m.expected);
}

INSTANTIATE_TEST_SUITE_P(Counters, MakingProblems, testing::ValuesIn(kMade));

// Every problem a panel can make, checked against exact integer arithmetic.
struct Sweep {
    const PanelCase* panel;
    int sign;                   // +1 for a sum, -1 for a difference
    int minN, maxN, minD, maxD; // over all counter values
    int numeratorBoxLength;     // the result numerator's box; every other box takes 4
    bool oneDenominator;        // the upper panels: b and d are one denominator
};

const Sweep kSweeps[] = {
    {&kAdditionUpper1, 1, 2, 27, 2, 17, 4, true},
    {&kAdditionUpper2, 1, -28, 27, 2, 17, 4, true},
    {&kAdditionLower1, 1, 4, 333, 2, 154, 5, false},
    {&kAdditionLower2, 1, -376, 379, 2, 182, 5, false},
    {&kSubtractionUpper1, -1, -3, 26, 2, 18, 4, true},
    {&kSubtractionUpper2, -1, -29, 31, 2, 22, 4, true},
    {&kSubtractionLower1, -1, -25, 348, 10, 162, 4, false},
    {&kSubtractionLower2, -1, -377, 420, 6, 210, 4, false},
};

std::int64_t exactInteger(const std::string& text) {
    EXPECT_TRUE(fraction::isNumeric(text)) << text;
    return std::strtoll(text.c_str(), nullptr, 10);
}

struct Exact {
    std::int64_t n, d;
};

Exact exactResult(const Problem& p, int sign, bool oneDenominator) {
    const auto [a, b, c, d] = numbersOf(p);
    if (oneDenominator)
        return {a + sign * c, b};
    return {a * d + sign * b * c, b * d};
}

// The working pair "x + y" or "x - y" over "z" must add up to N over D.
void checkWorking(const Solution& s, std::int64_t n, std::int64_t d) {
    ASSERT_EQ(s.labels.size(), 2U);
    const std::string& working = s.labels[0].text;
    const size_t joiner = working.find(' ', 1);
    ASSERT_NE(joiner, std::string::npos) << working;
    const std::int64_t left = exactInteger(working.substr(0, joiner));
    const std::int64_t right = exactInteger(working.substr(joiner + 3));
    EXPECT_EQ(working[joiner + 1] == '+' ? left + right : left - right, n) << working;
    EXPECT_EQ(exactInteger(s.labels[1].text), d);
}

void checkSolution(const Sweep& sweep, const Problem& p) {
    const Solution s = sweep.panel->solve(p);
    const std::array<std::int64_t, 4> numbers = numbersOf(p);
    if (sweep.oneDenominator) {
        ASSERT_EQ(numbers[1], numbers[3]);
    }
    // Addition raises an equal first denominator; subtraction's text-order guard may still give
    // equal ones at level 1 (8/9 - 4/9), which are then cross-multiplied like any other.
    if (!sweep.oneDenominator && sweep.sign > 0) {
        ASSERT_NE(numbers[1], numbers[3]);
    }
    const Exact exact = exactResult(p, sweep.sign, sweep.oneDenominator);
    const std::string nText = fraction::numberText(s.result.numerator);
    const std::string dText = fraction::numberText(s.result.denominator);
    const std::int64_t n = exactInteger(nText), d = exactInteger(dText);
    ASSERT_EQ(n * exact.d, exact.n * d) << nText << "/" << dText;
    if (!sweep.oneDenominator)
        checkWorking(s, n, d);

    expectExactCompletion(sweep.panel->rule, s.result, n, d);
    const CompletionTexts done = textsOf(complete(sweep.panel->rule, s.result));
    for (const std::string& text : {dText, done.reducedNumerator, done.reducedDenominator, done.whole})
        EXPECT_LE(text.size(), 4U) << text;
    EXPECT_LE(nText.size(), static_cast<size_t>(sweep.numeratorBoxLength)) << nText;
}

class EveryCounterPair : public testing::TestWithParam<Sweep> {};

TEST_P(EveryCounterPair, SolvesExactlyAndFitsTheBoxes) {
    const Sweep& sweep = GetParam();
    std::set<std::array<std::int64_t, 4>> seen;
    std::int64_t minN = 1000, maxN = -1000, minD = 1000, maxD = -1000;
    for (int t1 = 0; t1 < 500; ++t1) {
        for (int t2 = 0; t2 < 400; ++t2) {
            const Problem p = sweep.panel->make(t1, t2);
            if (!seen.insert(numbersOf(p)).second)
                continue;
            checkSolution(sweep, p);
            if (HasFailure())
                FAIL() << "t1 = " << t1 << ", t2 = " << t2;
            const Exact exact = exactResult(p, sweep.sign, sweep.oneDenominator);
            minN = std::min(minN, exact.n), maxN = std::max(maxN, exact.n);
            minD = std::min(minD, exact.d), maxD = std::max(maxD, exact.d);
        }
    }
    EXPECT_EQ(minN, sweep.minN);
    EXPECT_EQ(maxN, sweep.maxN);
    EXPECT_EQ(minD, sweep.minD);
    EXPECT_EQ(maxD, sweep.maxD);
}

INSTANTIATE_TEST_SUITE_P(Panels, EveryCounterPair, testing::ValuesIn(kSweeps),
                         [](const auto& info) { return std::string(info.param.panel->name); });

} // namespace
