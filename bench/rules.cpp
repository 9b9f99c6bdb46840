// The number rules against the plain C++ way of doing the same job: std::from_chars for the numeric
// test, std::to_chars for the number text, std::gcd for the reduction.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>

#include "bench/in_process.h"
#include "fraction/fraction.h"
#include "fraction/fraction_value.h"

namespace bench {

namespace {

constexpr std::string_view kTexts[] = {"5", " -3 ", "2.5", ".5", "1e3", "abc", "-", "12.75e-2"};
constexpr double kValues[] = {6, -2, 2.5, 1.0 / 3, 1e20, 0.0001234, 123456.789};
constexpr std::string_view kFractions[][2] = {{"48", "180"}, {"200", "400"}, {"7", "13"}, {"-36", "84"}};

void numericTest(benchmark::State& state) {
    for (auto _ : state)
        for (std::string_view text : kTexts)
            benchmark::DoNotOptimize(fraction::isNumeric(text));
}

void numericTestFloor(benchmark::State& state) {
    for (auto _ : state)
        for (std::string_view text : kTexts) {
            const size_t first = text.find_first_not_of(" \t");
            const size_t last = text.find_last_not_of(" \t");
            const char* end = text.data() + (last == std::string_view::npos ? 0 : last + 1);
            const char* begin = text.data() + (first == std::string_view::npos ? 0 : first);
            double value = 0;
            const auto parsed = std::from_chars(begin + (begin < end && *begin == '+'), end, value);
            benchmark::DoNotOptimize(parsed.ec == std::errc() && parsed.ptr == end && begin < end);
        }
}

void numberText(benchmark::State& state) {
    for (auto _ : state)
        for (double value : kValues)
            benchmark::DoNotOptimize(fraction::numberText(value));
}

std::string shortest(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void numberTextFloor(benchmark::State& state) {
    for (auto _ : state)
        for (double value : kValues)
            benchmark::DoNotOptimize(shortest(value));
}

// Read, reduced and written, as a screen does with the texts of its fields.
void reduction(benchmark::State& state) {
    for (auto _ : state)
        for (const auto& [numerator, denominator] : kFractions) {
            const auto reduced = fraction::reduce(*fraction::Fraction::read(numerator, denominator));
            benchmark::DoNotOptimize(fraction::numberText(reduced->fraction.numerator) +
                                     fraction::numberText(reduced->fraction.denominator));
        }
}

std::int64_t whole(std::string_view text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void reductionFloor(benchmark::State& state) {
    for (auto _ : state)
        for (const auto& [numerator, denominator] : kFractions) {
            const std::int64_t n = whole(numerator), d = whole(denominator), divisor = std::gcd(n, d);
            benchmark::DoNotOptimize(shortest(double(n / divisor)) + shortest(double(d / divisor)));
        }
}

} // namespace

std::vector<PlannedLine> registerRules() {
    const struct {
        const char* label;
        const char* name;
        void (*run)(benchmark::State&);
        void (*floor)(benchmark::State&);
    } rules[] = {
        {"numeric test (8 texts)", "numeric test", numericTest, numericTestFloor},
        {"number text (7 values)", "number text", numberText, numberTextFloor},
        {"reduction (4 fractions)", "reduction", reduction, reductionFloor},
    };
    std::vector<PlannedLine> lines;
    for (const auto& rule : rules) {
        measured(benchmark::RegisterBenchmark(rule.name, rule.run));
        const std::string floor = std::string(rule.name) + " floor";
        measured(benchmark::RegisterBenchmark(floor.c_str(), rule.floor));
        lines.push_back({rule.label, rule.name, floor, Unit::Nanoseconds, {}});
    }
    return lines;
}

} // namespace bench
