// The problems of the multiplication and division tests: the problems made for given counter values,
// and, for every pair of counter values, solution labels that agree with exact rational arithmetic
// and fit their boxes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "fraction/fraction.h"
#include "screens/quiz/division_problems.h"
#include "screens/quiz/multiplication_problems.h"
#include "tests/quiz/expected_completion.h"

namespace {

using namespace screens::quiz;

constexpr WholeRule kOr = WholeRule::ReducedOrWhole;
constexpr WholeRule kAnd = WholeRule::ReducedAndWhole;

enum class Operation { Times, Over };

struct PanelCase {
    const char* name;
    const PanelProblems& problems;
    int level; // 0 for level 1, 1 for level 2
    Operation operation;
    bool wholeDivisor; // the upper panels: the second number stands alone, n over 1
    Problem make(int t1, int t2) const { return problems.formulas[level](t1, t2); }
    Solution solve(const Problem& p) const { return problems.solve(p); }
};

constexpr Operation kTimes = Operation::Times;
constexpr Operation kOver = Operation::Over;

const PanelCase kTimesUpper1{"TimesUpper1", multiplication::kUpper, 0, kTimes, true};
const PanelCase kTimesUpper2{"TimesUpper2", multiplication::kUpper, 1, kTimes, true};
const PanelCase kTimesLower1{"TimesLower1", multiplication::kLower, 0, kTimes, false};
const PanelCase kTimesLower2{"TimesLower2", multiplication::kLower, 1, kTimes, false};
const PanelCase kOverUpper1{"OverUpper1", division::kUpper, 0, kOver, true};
const PanelCase kOverUpper2{"OverUpper2", division::kUpper, 1, kOver, true};
const PanelCase kOverLower1{"OverLower1", division::kLower, 0, kOver, false};
const PanelCase kOverLower2{"OverLower2", division::kLower, 1, kOver, false};

// The terms a solution writes besides N and D.
constexpr Term kWorkN = Term::WorkingNumerator, kWorkD = Term::WorkingDenominator;
constexpr Term kCopyN = Term::CopyNumerator, kCopyD = Term::CopyDenominator;
constexpr Term kRecipN = Term::ReciprocalNumerator, kRecipD = Term::ReciprocalDenominator;

WholeRule ruleOf(const PanelCase& panel) { return panel.operation == Operation::Times ? kOr : kAnd; }

struct Made {
    const PanelCase* panel;
    int t1, t2;
    std::array<std::int64_t, 4> problem; // a, b, c, d (1 where the second number is whole)
    std::vector<Caption> labels;         // dividend copy, reciprocal and working pair, in writing order
    const char *n, *d;
    ExpectedCompletion expected;
};

// clang-format off
const Made kMade[] = {
    {&kTimesUpper1, 0, 0, {1, 2, 1, 1}, {}, "1", "2", {"", "", "", false, false}},
    {&kTimesUpper2, 0, 0, {-1, 2, -1, 1}, {}, "1", "2", {"", "", "", false, false}},
    {&kTimesLower1, 0, 0, {12, 2, 5, 9}, {{kWorkN, "12 × 5"}, {kWorkD, "2 × 9"}}, "60", "18", {"10", "3", "", true, false}},
    {&kTimesLower1, 0, 4, {12, 6, 9, 9}, {{kWorkN, "12 × 9"}, {kWorkD, "6 × 9"}}, "108", "54", {"", "", "2", false, true}},
    {&kTimesLower2, 0, 0, {-10, 9, -13, 13}, {{kWorkN, "-10 × -13"}, {kWorkD, "9 × 13"}}, "130", "117",
     {"10", "9", "", true, false}},
    // Reduced by the greatest common divisor, 120.
    {&kTimesLower2, 138, 34, {8, 15, -15, 16}, {{kWorkN, "8 × -15"}, {kWorkD, "15 × 16"}}, "-120", "240",
     {"-1", "2", "", true, false}},
    {&kOverUpper1, 0, 0, {1, 2, 5, 1}, {{kCopyN, "1"}, {kCopyD, "2"}, {kRecipD, "5"}, {kRecipN, "1"}}, "1", "10",
     {"", "", "", false, false}},
    {&kOverUpper1, 9, 0, {10, 2, 5, 1}, {{kCopyN, "10"}, {kCopyD, "2"}, {kRecipD, "5"}, {kRecipN, "1"}}, "10", "10",
     {"1", "1", "1", true, true}},
    // The divisor's sign stays in the reciprocal's denominator and in D.
    {&kOverUpper2, 0, 0, {-1, 2, -1, 1}, {{kCopyN, "-1"}, {kCopyD, "2"}, {kRecipD, "-1"}, {kRecipN, "1"}}, "-1", "-2",
     {"", "", "", false, false}},
    {&kOverLower1, 0, 0, {12, 2, 5, 9},
     {{kRecipD, "5"}, {kRecipN, "9"}, {kCopyD, "2"}, {kCopyN, "12"}, {kWorkN, "12 × 9"}, {kWorkD, "2 × 5"}}, "108", "10",
     {"54", "5", "", true, false}},
    // A whole quotient asks for the reduced pair and the whole number.
    {&kOverLower1, 0, 1, {12, 3, 6, 9},
     {{kRecipD, "6"}, {kRecipN, "9"}, {kCopyD, "3"}, {kCopyN, "12"}, {kWorkN, "12 × 9"}, {kWorkD, "3 × 6"}}, "108", "18",
     {"6", "1", "6", true, true}},
    {&kOverLower2, 0, 0, {-10, 9, -13, 13},
     {{kRecipD, "-13"}, {kRecipN, "13"}, {kCopyD, "9"}, {kCopyN, "-10"}, {kWorkN, "-10 × 13"}, {kWorkD, "9 × -13"}}, "-130", "-117",
     {"-10", "-9", "", true, false}},
    // Reduced by 130, the sign staying in the denominator.
    {&kOverLower2, 0, 16, {10, 10, -13, 13},
     {{kRecipD, "-13"}, {kRecipN, "13"}, {kCopyD, "10"}, {kCopyN, "10"}, {kWorkN, "10 × 13"}, {kWorkD, "10 × -13"}}, "130", "-130",
     {"1", "-1", "-1", true, true}},
    {&kOverLower2, 14, 51, {10, 15, -16, 12},
     {{kRecipD, "-16"}, {kRecipN, "12"}, {kCopyD, "15"}, {kCopyN, "10"}, {kWorkN, "10 × 12"}, {kWorkD, "15 × -16"}}, "120", "-240",
     {"1", "-2", "", true, false}},
};
// clang-format on

class MakingProducts : public testing::TestWithParam<Made> {};

TEST_P(MakingProducts, GivesTheProblemAndItsSolutionLabels) {
    const Made& m = GetParam();
    const Problem p = m.panel->make(m.t1, m.t2);
    EXPECT_EQ(numbersOf(p), m.problem);
    const Solution solution = m.panel->solve(p);
    ASSERT_EQ(solution.labels.size(), m.labels.size());
    for (size_t i = 0; i < m.labels.size(); ++i) {
        EXPECT_EQ(solution.labels[i].term, m.labels[i].term);
        EXPECT_EQ(solution.labels[i].text, m.labels[i].text);
    }
    EXPECT_EQ(fraction::numberText(solution.result.numerator), m.n);
    EXPECT_EQ(fraction::numberText(solution.result.denominator), m.d);
    expectCompletion(complete(ruleOf(*m.panel), solution.result), m.expected);
}

INSTANTIATE_TEST_SUITE_P(Counters, MakingProducts, testing::ValuesIn(kMade));

// Every problem a panel can make, checked against exact integer arithmetic.
struct Sweep {
    const PanelCase* panel;
    int maxSize;   // of any number of the problem
    int maxLength; // of any solution text the pupil types: unlimited (0) on the multiplication test
};

const Sweep kSweeps[] = {
    {&kTimesUpper1, 15, 0}, {&kTimesUpper2, 17, 0}, {&kTimesLower1, 15, 0}, {&kTimesLower2, 17, 0},
    {&kOverUpper1, 20, 4},  {&kOverUpper2, 16, 4},  {&kOverLower1, 15, 4},  {&kOverLower2, 17, 4},
};

// The number a solution text stands for, which must be written plainly: "-120", never "-1.2E+2".
std::int64_t exactInteger(const std::string& text) {
    const std::int64_t number = std::stoll(text);
    EXPECT_EQ(std::to_string(number), text);
    return number;
}

// The uncancelled product as the pupil writes it: a·c over b·d, or a·d over b·c for a quotient; a
// whole number n is n over 1.
struct Exact {
    std::int64_t n, d;
};

Exact uncancelled(const PanelCase& panel, const Problem& p) {
    const auto [a, b, c, d] = numbersOf(p);
    if (panel.operation == Operation::Times)
        return {a * c, b * d};
    return {a * d, b * c};
}

std::string text(std::int64_t number) { return std::to_string(number); }

// The problem's numbers: none is 0, denominators are at least 2.
void checkNumbers(const Sweep& sweep, const Problem& p) {
    const auto [a, b, c, d] = numbersOf(p);
    for (std::int64_t number : {a, b, c})
        EXPECT_TRUE(number != 0 && std::abs(number) <= sweep.maxSize) << number;
    EXPECT_GE(b, 2);
    const bool rightD = sweep.panel->wholeDivisor ? d == 1 : d >= 2 && d <= sweep.maxSize;
    EXPECT_TRUE(rightD) << d;
}

// The other solution labels: the copies of the problem's numbers and the working pair's factors.
std::vector<Caption> expectedLabels(const PanelCase& panel, const Problem& p) {
    const auto [a, b, c, d] = numbersOf(p);
    if (panel.operation == Operation::Times)
        return panel.wholeDivisor ? std::vector<Caption>{}
                                  : std::vector<Caption>{{kWorkN, text(a) + " × " + text(c)},
                                                         {kWorkD, text(b) + " × " + text(d)}};
    if (panel.wholeDivisor)
        return {{kCopyN, text(a)}, {kCopyD, text(b)}, {kRecipD, text(c)}, {kRecipN, "1"}};
    return {{kRecipD, text(c)},
            {kRecipN, text(d)},
            {kCopyD, text(b)},
            {kCopyN, text(a)},
            {kWorkN, text(a) + " × " + text(d)},
            {kWorkD, text(b) + " × " + text(c)}};
}

void checkSolution(const Sweep& sweep, const Problem& p) {
    const PanelCase& panel = *sweep.panel;
    const Solution s = panel.solve(p);
    const Exact exact = uncancelled(panel, p);
    const std::string nText = fraction::numberText(s.result.numerator);
    const std::string dText = fraction::numberText(s.result.denominator);
    const std::int64_t n = exactInteger(nText), d = exactInteger(dText);
    ASSERT_EQ(n, exact.n) << nText << "/" << dText;
    ASSERT_EQ(d, exact.d) << nText << "/" << dText;
    const std::vector<Caption> labels = expectedLabels(panel, p);
    ASSERT_EQ(s.labels.size(), labels.size());
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(s.labels[i].text, labels[i].text) << "term " << static_cast<int>(labels[i].term);

    const WholeRule rule = ruleOf(panel);
    expectExactCompletion(rule, s.result, n, d);
    const CompletionTexts done = textsOf(complete(rule, s.result));
    if (sweep.maxLength == 0)
        return;
    for (const std::string& value :
         {nText, dText, done.reducedNumerator, done.reducedDenominator, done.whole})
        EXPECT_LE(value.size(), static_cast<size_t>(sweep.maxLength)) << value;
    for (const Caption& label : s.labels) { // the copies the pupil types again, not the working pair
        if (label.term != kWorkN && label.term != kWorkD) {
            EXPECT_LE(label.text.size(), static_cast<size_t>(sweep.maxLength)) << label.text;
        }
    }
}

class EveryProductCounterPair : public testing::TestWithParam<Sweep> {};

TEST_P(EveryProductCounterPair, SolvesExactlyAndFitsTheBoxes) {
    const Sweep& sweep = GetParam();
    std::set<std::array<std::int64_t, 4>> seen;
    for (int t1 = 0; t1 < 453; ++t1) {
        for (int t2 = 0; t2 < 400; ++t2) {
            const Problem p = sweep.panel->make(t1, t2);
            if (!seen.insert(numbersOf(p)).second)
                continue;
            checkNumbers(sweep, p);
            checkSolution(sweep, p);
            if (HasFailure())
                FAIL() << sweep.panel->name << ": t1 = " << t1 << ", t2 = " << t2;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, EveryProductCounterPair, testing::ValuesIn(kSweeps));

} // namespace
