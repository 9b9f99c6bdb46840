#include "bench/in_process.h"

#include <QWidget>

#include <chrono>
#include <functional>

#include "app/screen_table.h"
#include "bench/probe.h"
#include "screens/menu/main_menu.h"
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

using Clock = std::chrono::steady_clock;

double secondsToPaint(const QString& window, const std::function<void()>& open) {
    const Clock::time_point start = Clock::now();
    awaitPaint(window, open);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double openFromMenu(const app::ScreenEntry& entry) {
    ui::Form& menu = *ui::forms::find(screens::MainMenu::kName);
    const double seconds = secondsToPaint(
        ui::qstr(entry.name), [&] { menu.button(screens::MainMenu::buttonOpening(entry.name)).press(); });
    closeScreen(*ui::forms::find(entry.name));
    return seconds;
}

double openFloor(const FloorScreen& floor) {
    QWidget* window = nullptr;
    const double seconds = secondsToPaint(floor.name, [&] {
        window = build(floor);
        window->show();
    });
    delete window;
    driver::settle();
    return seconds;
}

} // namespace

std::vector<FloorScreen> describeScreens() {
    std::vector<FloorScreen> floors;
    for (const app::ScreenEntry& entry : app::menuScreens()) {
        ui::Form& screen = openScreen(entry.name);
        floors.push_back(describe(screen));
        closeScreen(screen);
    }
    return floors;
}

std::vector<Line> measureOpenings(const std::vector<FloorScreen>& floors) {
    std::vector<std::vector<double>> screenTimes(floors.size()), floorTimes(floors.size());
    for (int round = 0; round < kOpeningRounds; ++round)
        for (size_t i = 0; i < floors.size(); ++i) {
            screenTimes[i].push_back(openFromMenu(app::menuScreens()[i]));
            floorTimes[i].push_back(openFloor(floors[i]));
        }
    std::vector<Line> lines;
    for (size_t i = 0; i < floors.size(); ++i)
        lines.push_back({"open " + std::string(app::menuScreens()[i].name) + " (" +
                             std::to_string(floors[i].children.size()) + " widgets)",
                         median(screenTimes[i]),
                         median(floorTimes[i]),
                         Unit::Milliseconds,
                         {Target::Ratio, 3}});
    return lines;
}

} // namespace bench
