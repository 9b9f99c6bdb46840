// The worksheet's arithmetic, free of widgets: the tick counters, the fill table that turns their
// values into the numbers of the five problems, and the operator captions.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace screens::worksheet {

// A counter advanced by a timer: every tick adds the step, modulo the bound.
struct TickCounter {
    int interval; // milliseconds
    int step;
    int bound;
};
inline constexpr std::array<TickCounter, 4> kTickCounters = {{
    {500, 7, 1048},
    {450, 1, 900},
    {600, 3, 864},
    {800, 11, 1536},
}};

std::int64_t nextTick(const TickCounter& counter, std::int64_t value);

// The values of the four counters, in the order of kTickCounters.
using CounterValues = std::array<std::int64_t, kTickCounters.size()>;

struct FilledBox {
    int box;
    std::int64_t value;
};

inline constexpr int kRows = 5;

// The boxes by element of Text1: the numerators and denominators of the ten fractions (fraction k in
// boxes 2k and 2k + 1; row r, from 0, holds fractions 2r and 2r + 1), then the whole-number boxes.
inline constexpr int kFractions = 2 * kRows;
inline constexpr int kFirstWholeBox = 2 * kFractions;
inline constexpr int kBoxes = kFirstWholeBox + kFractions;

// Each row's whole-number boxes: box A, of its first mixed number, and box B, of its second. Rows 3
// and 4 number theirs out of order.
struct WholeBoxes {
    int a, b;
};
inline constexpr std::array<WholeBoxes, kRows> kWholeBoxes = {
    {{20, 21}, {22, 23}, {27, 26}, {25, 24}, {29, 28}}};

// The six boxes of its own row that a row button (row 1 to 5) fills, in filling order.
std::array<FilledBox, 6> fillRow(int row, const CounterValues& counters);

// The operator captions, in their cycling order.
inline constexpr std::array<std::string_view, 4> kOperators = {"+", "-", "×", "÷"};

// The captions of the five operator buttons for operation option 0 to 4 (option 4: all operations).
std::array<std::string_view, kRows> operatorsFor(int option);

// The caption after a click on an operator button; an unknown caption starts the cycle again at "+".
std::string_view nextOperator(std::string_view caption);

} // namespace screens::worksheet
