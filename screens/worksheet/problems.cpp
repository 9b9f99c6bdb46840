#include "screens/worksheet/problems.h"

#include <algorithm>

namespace screens::worksheet {

namespace {

enum Counter { kLabel2, kLabel3, kLabel4, kLabel5 };

// Box Text1(box) gets ((value of counter + k) mod m) + b.
struct Fill {
    int box;
    Counter counter;
    int k, m, b;
};

// Row by row: the two fractions (numerator, denominator), then the two whole-number boxes of that
// row. Rows 3 and 4 number their whole-number boxes out of order: Text1(26) and Text1(27) stand in
// row 3, Text1(24) and Text1(25) in row 4.
constexpr Fill kFillTable[kRows][6] = {
    {{0, kLabel2, 5, 10, 1},
     {1, kLabel3, 6, 10, 2},
     {2, kLabel4, 7, 10, 1},
     {3, kLabel5, 8, 12, 2},
     {20, kLabel4, 0, 8, 1},
     {21, kLabel5, 0, 8, 1}},
    {{4, kLabel2, 0, 10, 1},
     {5, kLabel3, 0, 10, 2},
     {6, kLabel4, 0, 10, 1},
     {7, kLabel5, 0, 12, 2},
     {22, kLabel4, 6, 8, 1},
     {23, kLabel5, 5, 7, 2}},
    {{8, kLabel2, 13, 10, 1},
     {9, kLabel3, 20, 10, 2},
     {10, kLabel4, 18, 10, 1},
     {11, kLabel5, 19, 12, 2},
     {26, kLabel4, 11, 8, 1},
     {27, kLabel5, 12, 7, 2}},
    {{12, kLabel2, 23, 10, 1},
     {13, kLabel3, 24, 10, 2},
     {14, kLabel4, 22, 10, 1},
     {15, kLabel5, 25, 12, 2},
     {24, kLabel4, 2, 7, 1},
     {25, kLabel5, 7, 9, 2}},
    {{16, kLabel2, 27, 10, 1},
     {17, kLabel3, 30, 10, 2},
     {18, kLabel4, 4, 10, 1},
     {19, kLabel5, 45, 12, 2},
     {28, kLabel4, 23, 7, 1},
     {29, kLabel5, 42, 8, 1}},
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
