// The one table `make bench` prints: per line a figure, the floor measured in the same run, their
// ratio, the target and whether it holds.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace bench {

enum class Unit { Milliseconds, Microseconds, Nanoseconds, MiB };

// What a line is held to: its ratio to the floor at most `limit`, its excess over the floor at most
// `limit` (MiB), the figure itself at most `limit` (in the line's unit), or nothing.
struct Target {
    enum Kind { Ratio, Excess, Below, None } kind = None;
    double limit = 0;
};

struct Line {
    std::string label;
    double figure = 0, floor = 0; // seconds, or MiB for memory
    Unit unit = Unit::Milliseconds;
    Target target;
};

// Keeps the median of each benchmark's repetitions (real time per iteration, in seconds) by name.
class MedianCollector : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;
    // Empty when no benchmark of that name ran (a --benchmark_filter left it out).
    std::optional<double> median(const std::string& name) const;

  private:
    std::map<std::string, double> medians_;
};

// The middle value; the mean of the two middle values of an even count.
double median(std::vector<double> values);

void print(const std::vector<Line>& lines);

} // namespace bench
