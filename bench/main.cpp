// `make bench`: every figure of the program next to its floor, measured in the same run, in one
// table. Whole-process runs (start-up, memory) and screen openings alternate between the program and
// its floor; everything in this process runs on Qt's offscreen platform, and so do the programs it
// starts unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app.h"
#include "bench/in_process.h"
#include "bench/probe.h"
#include "bench/processes.h"
#include "screens/menu/main_menu.h"

namespace {

constexpr int kStartRuns = 11;
constexpr int kMemoryRuns = 5;

struct Pair {
    bench::ProcessRun program, floor;
};

// The program's and the floor's runs alternate, so that a busy moment of the machine hits both.
Pair medianRuns(int runs, const std::vector<std::string>& program, const std::vector<std::string>& floor) {
    std::vector<bench::ProcessRun> programRuns, floorRuns;
    for (int i = 0; i < runs; ++i) {
        floorRuns.push_back(bench::runProcess("floor_app", floor));
        programRuns.push_back(bench::runProcess("zemora_probe", program));
    }
    return {bench::medianRun(programRuns), bench::medianRun(floorRuns)};
}

std::vector<bench::Line> processLines(const std::vector<bench::FloorScreen>& floors) {
    const std::string floorsFile =
        (std::filesystem::temp_directory_path() / "zemora-bench-floors.txt").string();
    std::ofstream(floorsFile) << [&] {
        std::ostringstream text;
        bench::write(text, floors);
        return text.str();
    }();
    std::fprintf(stderr, "start-up and memory: %d and %d runs of each program\n", kStartRuns, kMemoryRuns);
    const Pair start = medianRuns(kStartRuns, {}, {});
    const Pair all = medianRuns(kMemoryRuns, {"all"}, {"all", floorsFile});
    const bench::Target memory{bench::Target::Excess, 15};
    return {
        {"start-up to menu painted",
         start.program.seconds,
         start.floor.seconds,
         bench::Unit::Milliseconds,
         {bench::Target::Ratio, 1.25}},
        {"memory at start-up", start.program.residentMiB, start.floor.residentMiB, bench::Unit::MiB, memory},
        {"memory, menu and 9 screens open", all.program.residentMiB, all.floor.residentMiB, bench::Unit::MiB,
         memory},
    };
}

std::vector<bench::Line> measuredLines(const std::vector<bench::PlannedLine>& planned,
                                       const bench::MedianCollector& medians) {
    std::vector<bench::Line> lines;
    for (const bench::PlannedLine& line : planned) {
        const auto figure = medians.median(line.figure), floor = medians.median(line.floor);
        if (figure && floor)
            lines.push_back({line.label, *figure, *floor, line.unit, line.target});
    }
    return lines;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    bench::awaitPaint(ui::qstr(screens::MainMenu::kName), app::start);
    const std::vector<bench::FloorScreen> floors = bench::describeScreens();

    std::vector<bench::PlannedLine> planned = bench::registerHandlers();
    const std::vector<bench::PlannedLine> rules = bench::registerRules();
    planned.insert(planned.end(), rules.begin(), rules.end());
    std::fprintf(stderr, "in-process benchmarks (median of 5 repetitions):\n");
    bench::MedianCollector medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    std::fprintf(stderr, "screen openings: %d rounds\n", bench::kOpeningRounds);
    const std::vector<bench::Line> openings = bench::measureOpenings(floors);

    std::vector<bench::Line> lines = processLines(floors);
    for (const auto& more : {openings, measuredLines(planned, medians)})
        lines.insert(lines.end(), more.begin(), more.end());
    bench::print(lines);
    return 0;
}
