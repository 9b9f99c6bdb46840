#include "screens/worksheet/problems.h"

#include <algorithm>

namespace screens::worksheet {

namespace {

// The counters in the order of kTickCounters.
enum Counter { kCounter1, kCounter2, kCounter3, kCounter4 };

// Box `box` gets ((value of counter + k) mod m) + b.
struct Fill {
    int box;
    Counter counter;
    int k, m, b;
};

// Row by row: the two fractions (numerator, denominator), then the two whole-number boxes of that
// row. Rows 3 and 4 number their whole-number boxes out of order: boxes 26 and 27 stand in row 3,
// boxes 24 and 25 in row 4.
constexpr Fill kFillTable[kRows][6] = {
    {{0, kCounter1, 5, 10, 1},
     {1, kCounter2, 6, 10, 2},
     {2, kCounter3, 7, 10, 1},
     {3, kCounter4, 8, 12, 2},
     {20, kCounter3, 0, 8, 1},
     {21, kCounter4, 0, 8, 1}},
    {{4, kCounter1, 0, 10, 1},
     {5, kCounter2, 0, 10, 2},
     {6, kCounter3, 0, 10, 1},
     {7, kCounter4, 0, 12, 2},
     {22, kCounter3, 6, 8, 1},
     {23, kCounter4, 5, 7, 2}},
    {{8, kCounter1, 13, 10, 1},
     {9, kCounter2, 20, 10, 2},
     {10, kCounter3, 18, 10, 1},
     {11, kCounter4, 19, 12, 2},
     {26, kCounter3, 11, 8, 1},
     {27, kCounter4, 12, 7, 2}},
    {{12, kCounter1, 23, 10, 1},
     {13, kCounter2, 24, 10, 2},
     {14, kCounter3, 22, 10, 1},
     {15, kCounter4, 25, 12, 2},
     {24, kCounter3, 2, 7, 1},
     {25, kCounter4, 7, 9, 2}},
    {{16, kCounter1, 27, 10, 1},
     {17, kCounter2, 30, 10, 2},
     {18, kCounter3, 4, 10, 1},
     {19, kCounter4, 45, 12, 2},
     {28, kCounter3, 23, 7, 1},
     {29, kCounter4, 42, 8, 1}},
};

// The counters never go negative, but a floored modulo keeps every box in its range regardless.
std::int64_t floorMod(std::int64_t value, std::int64_t bound) { return ((value % bound) + bound) % bound; }

} // namespace

std::int64_t nextTick(const TickCounter& counter, std::int64_t value) {
    return floorMod(value + counter.step, counter.bound);
}

std::array<FilledBox, 6> fillRow(int row, const CounterValues& counters) {
    std::array<FilledBox, 6> filled{};
    std::ranges::transform(kFillTable[row - 1], filled.begin(), [&](const Fill& fill) {
        return FilledBox{fill.box, floorMod(counters[fill.counter] + fill.k, fill.m) + fill.b};
    });
    return filled;
}

std::array<std::string_view, kRows> operatorsFor(int option) {
    if (option == 4)
        return {"+", "-", "×", "÷", "+"};
    std::array<std::string_view, kRows> captions;
    captions.fill(kOperators[option]);
    return captions;
}

std::string_view nextOperator(std::string_view caption) {
    const auto* at = std::ranges::find(kOperators, caption);
    return at == kOperators.end() || at + 1 == kOperators.end() ? kOperators.front() : *(at + 1);
}

} // namespace screens::worksheet
