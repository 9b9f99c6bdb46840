#include "bench/in_process.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "bench/probe.h"
#include "bench/screens.h"
#include "tests/support/driver.h"
#include "ui/form.h"

namespace bench {

benchmark::internal::Benchmark* measured(benchmark::internal::Benchmark* benchmark) {
    return benchmark->MinTime(0.2)->Repetitions(5)->ReportAggregatesOnly(true);
}

ui::Form& openScreen(std::string_view name) {
    awaitPaint(ui::qstr(name), [name] { ui::forms::show(name); });
    return *ui::forms::find(name);
}

void closeScreen(ui::Form& screen) {
    screen.unload();
    driver::settle();
}

namespace {

void openFromMenu(benchmark::State& state, const MenuEntry& entry) {
    ui::Form& menu = *ui::forms::find("frmqqq");
    for (auto _ : state) {
        awaitPaint(ui::qstr(entry.screen), [&] { menu.button(entry.button).press(); });
        state.PauseTiming();
        closeScreen(*ui::forms::find(entry.screen));
        state.ResumeTiming();
    }
}

void openFloor(benchmark::State& state, const FloorScreen& floor) {
    for (auto _ : state) {
        QWidget* window = nullptr;
        awaitPaint(floor.name, [&] {
            window = build(floor);
            window->show();
        });
        state.PauseTiming();
        delete window;
        driver::settle();
        state.ResumeTiming();
    }
}

} // namespace

std::vector<FloorScreen> describeScreens() {
    std::vector<FloorScreen> floors;
    for (const MenuEntry& entry : kMenuEntries) {
        ui::Form& screen = openScreen(entry.screen);
        floors.push_back(describe(screen));
        closeScreen(screen);
    }
    return floors;
}

std::vector<PlannedLine> registerOpenings(const std::vector<FloorScreen>& floors) {
    std::vector<PlannedLine> lines;
    for (size_t i = 0; i < kMenuEntries.size(); ++i) {
        const MenuEntry& entry = kMenuEntries[i];
        const std::string name = "open " + std::string(entry.screen);
        measured(benchmark::RegisterBenchmark(name.c_str(), openFromMenu, entry));
        measured(benchmark::RegisterBenchmark((name + " floor").c_str(), openFloor, floors[i]));
        lines.push_back({name + " (" + std::to_string(floors[i].children.size()) + " widgets)",
                         name,
                         name + " floor",
                         Unit::Milliseconds,
                         {Target::Ratio, 3}});
    }
    return lines;
}

} // namespace bench
