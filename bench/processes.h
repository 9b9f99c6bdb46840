// Whole-process measurements: the program and its floor started side by side, several times in
// turn, each run timed from just before the process is spawned to the report it prints once its
// window has been painted.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ProcessRun {
    double seconds;     // from spawning to the window painted
    double residentMiB; // resident memory at that moment
};

// Runs the program (in this program's folder) with the arguments and reads its report.
ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments);

// The median of each figure over `runs` runs.
ProcessRun medianRun(const std::vector<ProcessRun>& runs);

} // namespace bench
