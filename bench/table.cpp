#include "bench/table.h"

#include <algorithm>
#include <cstdio>

namespace bench {

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
            continue;
        const double perIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
        medians_[run.run_name.function_name] = perIteration;
        std::fprintf(stderr, "  %-34s %12.1f us\n", run.run_name.function_name.c_str(), perIteration * 1e6);
    }
}

std::optional<double> MedianCollector::median(const std::string& name) const {
    const auto found = medians_.find(name);
    if (found == medians_.end())
        return std::nullopt;
    return found->second;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

namespace {

struct Scale {
    double factor;
    const char* suffix;
};

Scale scaleOf(Unit unit) {
    switch (unit) {
    case Unit::Milliseconds:
        return {1e3, "ms"};
    case Unit::Microseconds:
        return {1e6, "us"};
    case Unit::Nanoseconds:
        return {1e9, "ns"};
    default:
        return {1, "MiB"};
    }
}

std::string targetText(const Line& line) {
    char text[48];
    switch (line.target.kind) {
    case Target::Ratio:
        std::snprintf(text, sizeof text, "ratio <= %.2f", line.target.limit);
        break;
    case Target::Excess:
        std::snprintf(text, sizeof text, "floor + %.0f MiB", line.target.limit);
        break;
    case Target::Below:
        std::snprintf(text, sizeof text, "< %g %s", line.target.limit, scaleOf(line.unit).suffix);
        break;
    default:
        return "-";
    }
    return text;
}

const char* verdict(const Line& line) {
    const double shown = line.figure * scaleOf(line.unit).factor;
    switch (line.target.kind) {
    case Target::Ratio:
        return line.figure <= line.target.limit * line.floor ? "holds" : "MISSED";
    case Target::Excess:
        return line.figure - line.floor <= line.target.limit ? "holds" : "MISSED";
    case Target::Below:
        return shown < line.target.limit ? "holds" : "MISSED";
    default:
        return "";
    }
}

} // namespace

void print(const std::vector<Line>& lines) {
    std::printf("\n%-36s %12s %12s %7s  %-16s %s\n", "line", "figure", "floor", "ratio", "target", "");
    for (const Line& line : lines) {
        const Scale scale = scaleOf(line.unit);
        std::printf("%-36s %9.3f %-3s %8.3f %-3s %7.3f  %-16s %s\n", line.label.c_str(),
                    line.figure * scale.factor, scale.suffix, line.floor * scale.factor, scale.suffix,
                    line.figure / line.floor, targetText(line).c_str(), verdict(line));
    }
}

} // namespace bench
