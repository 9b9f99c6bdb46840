// The worksheet's fill table, tick counters and operator captions, checked without widgets.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "screens/worksheet/answer_key.h"
#include "screens/worksheet/problems.h"

namespace {

using namespace screens::worksheet;

std::map<int, std::int64_t> filledBoxes(int row, const CounterValues& counters) {
    std::map<int, std::int64_t> boxes;
    for (const FilledBox& filled : fillRow(row, counters))
        boxes[filled.box] = filled.value;
    return boxes;
}

struct RowExample {
    int row;
    CounterValues counters;
    std::map<int, std::int64_t> boxes;
};

const RowExample kExamples[] = {
    {1, {0, 0, 0, 0}, {{0, 6}, {1, 8}, {2, 8}, {3, 10}, {20, 1}, {21, 1}}},
    {2, {0, 0, 0, 0}, {{4, 1}, {5, 2}, {6, 1}, {7, 2}, {22, 7}, {23, 7}}},
    {3, {0, 0, 0, 0}, {{8, 4}, {9, 2}, {10, 9}, {11, 9}, {26, 4}, {27, 7}}},
    {4, {0, 0, 0, 0}, {{12, 4}, {13, 6}, {14, 3}, {15, 3}, {24, 3}, {25, 9}}},
    {5, {0, 0, 0, 0}, {{16, 8}, {17, 2}, {18, 5}, {19, 11}, {28, 3}, {29, 3}}},
    {1, {100, 250, 33, 1000}, {{0, 6}, {1, 8}, {2, 1}, {3, 2}, {20, 2}, {21, 1}}},
    {2, {100, 250, 33, 1000}, {{4, 1}, {5, 2}, {6, 4}, {7, 6}, {22, 8}, {23, 6}}},
    {3, {100, 250, 33, 1000}, {{8, 4}, {9, 2}, {10, 2}, {11, 13}, {26, 5}, {27, 6}}},
    {4, {100, 250, 33, 1000}, {{12, 4}, {13, 6}, {14, 6}, {15, 7}, {24, 1}, {25, 10}}},
    {5, {100, 250, 33, 1000}, {{16, 8}, {17, 2}, {18, 8}, {19, 3}, {28, 1}, {29, 3}}},
};

TEST(WorksheetFill, RowsFromGivenCounterValues) {
    for (const RowExample& example : kExamples) {
        SCOPED_TRACE(testing::Message() << "row " << example.row << ", Label2 " << example.counters[0]);
        EXPECT_EQ(filledBoxes(example.row, example.counters), example.boxes);
    }
}

TEST(WorksheetFill, BoxesAreFilledInTheirListedOrder) {
    const std::vector<int> order[kRows] = {{0, 1, 2, 3, 20, 21},
                                           {4, 5, 6, 7, 22, 23},
                                           {8, 9, 10, 11, 26, 27},
                                           {12, 13, 14, 15, 24, 25},
                                           {16, 17, 18, 19, 28, 29}};
    for (int row = 1; row <= kRows; ++row) {
        std::vector<int> boxes;
        for (const FilledBox& filled : fillRow(row, {}))
            boxes.push_back(filled.box);
        EXPECT_EQ(boxes, order[row - 1]) << "row " << row;
    }
}

// Every counter value from 0 up to its bound, each box's values cover exactly its range.
TEST(WorksheetFill, EveryBoxCoversItsRangeOverAllCounterValues) {
    const std::map<int, std::pair<int, int>> kRanges = {
        {0, {1, 10}},  {1, {2, 11}},  {2, {1, 10}},  {3, {2, 13}},  {4, {1, 10}},  {5, {2, 11}},
        {6, {1, 10}},  {7, {2, 13}},  {8, {1, 10}},  {9, {2, 11}},  {10, {1, 10}}, {11, {2, 13}},
        {12, {1, 10}}, {13, {2, 11}}, {14, {1, 10}}, {15, {2, 13}}, {16, {1, 10}}, {17, {2, 11}},
        {18, {1, 10}}, {19, {2, 13}}, {20, {1, 8}},  {21, {1, 8}},  {22, {1, 8}},  {23, {2, 8}},
        {24, {1, 7}},  {25, {2, 10}}, {26, {1, 8}},  {27, {2, 8}},  {28, {1, 7}},  {29, {1, 8}},
    };
    std::map<int, std::set<std::int64_t>> seen;
    for (std::int64_t tick = 0; tick < 1536; ++tick) {
        CounterValues counters;
        for (size_t c = 0; c < counters.size(); ++c)
            counters[c] = tick % kTickCounters[c].bound;
        for (int row = 1; row <= kRows; ++row)
            for (const FilledBox& filled : fillRow(row, counters))
                seen[filled.box].insert(filled.value);
    }
    ASSERT_EQ(seen.size(), kRanges.size());
    for (const auto& [box, range] : kRanges) {
        const auto& [low, high] = range;
        EXPECT_EQ(*seen[box].begin(), low) << "Text1(" << box << ")";
        EXPECT_EQ(*seen[box].rbegin(), high) << "Text1(" << box << ")";
        EXPECT_EQ(seen[box].size(), static_cast<size_t>(high - low + 1)) << "Text1(" << box << ")";
    }
}

TEST(WorksheetTicks, CountersStepAndWrapAtTheirBounds) {
    struct Case {
        int counter;
        std::int64_t from, to;
    };
    const Case kCases[] = {{0, 0, 7},   {0, 1043, 2}, {1, 0, 1},  {1, 899, 0},
                           {2, 861, 0}, {2, 5, 8},    {3, 0, 11}, {3, 1530, 5}};
    for (const Case& c : kCases)
        EXPECT_EQ(nextTick(kTickCounters[c.counter], c.from), c.to) << "counter " << c.counter;
}

TEST(WorksheetOperators, OptionsSetTheFiveCaptions) {
    using Captions = std::array<std::string_view, kRows>;
    EXPECT_EQ(operatorsFor(0), (Captions{"+", "+", "+", "+", "+"}));
    EXPECT_EQ(operatorsFor(1), (Captions{"-", "-", "-", "-", "-"}));
    EXPECT_EQ(operatorsFor(2), (Captions{"×", "×", "×", "×", "×"}));
    EXPECT_EQ(operatorsFor(3), (Captions{"÷", "÷", "÷", "÷", "÷"}));
    EXPECT_EQ(operatorsFor(4), (Captions{"+", "-", "×", "÷", "+"}));
}

TEST(WorksheetOperators, ClicksCycleThroughTheFourAndUnknownCaptionsRestart) {
    const std::pair<std::string_view, std::string_view> kCycle[] = {
        {"+", "-"}, {"-", "×"}, {"×", "÷"}, {"÷", "+"}, {"=", "+"}, {"", "+"}, {"x", "+"}};
    for (const auto& [from, to] : kCycle)
        EXPECT_EQ(nextOperator(from), to) << from;
}

// The key writes each problem as the sheet shows it and answers it exactly, whatever filled the boxes.
TEST(WorksheetKey, ProblemsAndTheirAnswersInSimplestForm) {
    const struct {
        MixedNumberBoxes first;
        std::string_view operation;
        MixedNumberBoxes second;
        std::string problem, answer;
    } kRows[] = {
        {{"1", "6", "8"}, "+", {"1", "8", "10"}, "6/8 1 + 8/10 1", "71/20 = 11/20 3"},
        {{"", "2", "4"}, "+", {"", "1", "10"}, "2/4 + 1/10", "3/5"},
        {{"2", "9", "6"}, "×", {" ", "2", "7"}, "9/6 2 × 2/7", "1"},
        {{"3", "", ""}, "÷", {"", "1", "2"}, "3 ÷ 1/2", "6"},
        {{"-2", "1", "2"}, "-", {"", "1", "2"}, "1/2 -2 - 1/2", "-3"},
        {{"", "1", "6"}, "-", {"", "26", "6"}, "1/6 - 26/6", "-25/6 = 1/6 -4"},
        {{"", "1.5", "3"}, "+", {"", "1", "٤"}, "", ""},
        {{"", "1.5", "3"}, "+", {"", ".25", "1"}, "1.5/3 + .25/1", "3/4"},
        {{"99", "9e9", ".01"},
         "÷",
         {"99", ".01", "9e9"},
         "9e9/.01 99 ÷ .01/9e9 99",
         "810000000089100000000000/89100000000001 = 80990909090909/89100000000001 9090909091"},
        {{"", "1", "0"}, "+", {"", "1", "2"}, "1/0 + 1/2", std::string(kNoResult)},
        {{"", "1", "2"}, "÷", {"", "0", "5"}, "1/2 ÷ 0/5", std::string(kNoResult)},
        {{"", "1", "2"}, "÷", {"0", "", ""}, "1/2 ÷ 0", std::string(kNoResult)},
        {{"", "1", ""}, "+", {"", "1", "2"}, "", ""},
        {{"-", "1", "2"}, "+", {"", "1", "2"}, "", ""},
        {{"", "", ""}, "+", {"", "", ""}, "", ""},
        {{"", "1", "2"}, "=", {"", "1", "2"}, "", ""},
    };
    for (const auto& row : kRows) {
        const Problem problem{row.first, row.operation, row.second};
        SCOPED_TRACE(row.problem);
        EXPECT_EQ(problemText(problem), row.problem);
        EXPECT_EQ(answerText(problem), row.answer);
    }
}

} // namespace
