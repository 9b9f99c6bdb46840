// What runs inside this process on Qt's offscreen platform, each with its floor: opening each screen
// from the menu (timed in alternating rounds), the handlers and the number rules (Google Benchmark).
#pragma once

#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/floor_screen.h"
#include "bench/table.h"
#include "ui/form.h"

namespace bench {

// A line of the table before the run: the benchmarks giving its figure and its floor.
struct PlannedLine {
    std::string label, figure, floor;
    Unit unit;
    Target target;
};

// At least 0.2 s of iterations per repetition; the median of five repetitions is kept.
benchmark::internal::Benchmark* measured(benchmark::internal::Benchmark* benchmark);

// Shows a screen as the menu does and waits until it has been painted; unloads it.
ui::Form& openScreen(std::string_view name);
void closeScreen(ui::Form& screen);

// Opens each screen from the menu (which must be shown) and describes its floor.
std::vector<FloorScreen> describeScreens();

// Opens each screen from the menu and its floor in turn, round after round, so that a busy moment
// of the machine hits both; the median of each.
inline constexpr int kOpeningRounds = 41;
std::vector<Line> measureOpenings(const std::vector<FloorScreen>& floors);

// Registered with Google Benchmark; the lines to make of their medians.
std::vector<PlannedLine> registerHandlers();
std::vector<PlannedLine> registerRules();

} // namespace bench
