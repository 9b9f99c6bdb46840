// Seeded random walks over the whole program. The seed comes from ZEMORA_MONKEY_SEED (a fixed one by
// default, so the suite is repeatable) and the walk's length from ZEMORA_MONKEY_ACTIONS; `make soak`
// sets both for longer runs. A failing walk prints its seed and every action it took; so does any walk
// with ZEMORA_MONKEY_LOG=1.
#include <gtest/gtest.h>

#include <malloc.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/screen_table.h"
#include "tests/monkey/walk.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

long long setting(const char* variable, long long otherwise) {
    const char* text = std::getenv(variable);
    return text ? std::atoll(text) : otherwise;
}

// The walk in progress, for a report written when a sanitizer or a signal stops the program.
const monkey::Walk* current = nullptr;

void reportOnDeath() {
    if (current)
        std::fputs(current->report().c_str(), stderr);
}

void reportOnSignal(int signal) {
    reportOnDeath();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void reportIfTheProgramDies() {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(reportOnDeath);
#endif
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
        std::signal(signal, reportOnSignal);
}

void walk(std::uint64_t seed, int actions) {
    monkey::Walk walk(seed);
    current = &walk;
    reportIfTheProgramDies();
    std::printf("monkey seed %llu, %d actions\n", static_cast<unsigned long long>(seed), actions);
    const std::optional<std::string> failure = walk.run(actions);
    current = nullptr;
    if (failure)
        FAIL() << *failure << "\n" << walk.report();
    if (setting("ZEMORA_MONKEY_LOG", 0))
        std::fputs(walk.report().c_str(), stdout);
}

TEST(Monkey, RandomWalkKeepsEveryScreenSound) {
    walk(static_cast<std::uint64_t>(setting("ZEMORA_MONKEY_SEED", 20261209)),
         static_cast<int>(setting("ZEMORA_MONKEY_ACTIONS", 20000)));
}

// Resident memory, and heap memory in use (which leaves out what the allocator keeps free), in kB.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    return 0;
}

long heapKilobytes() { return static_cast<long>(mallinfo2().uordblks / 1024); }

// Every screen opened over the menu, walked for a few actions and closed, round after round.
void openAndClose(int rounds, std::uint64_t seed) {
    for (int round = 0; round < rounds; ++round)
        for (const app::ScreenEntry& screen : app::menuScreens()) {
            driver::open("frmqqq");
            driver::open(screen.name);
            monkey::Walk walk(seed++);
            current = &walk;
            if (const std::optional<std::string> failure = walk.run(5))
                FAIL() << *failure << "\n" << walk.report();
            current = nullptr;
            if (ui::Form* opened = ui::forms::find(screen.name))
                opened->unload();
            driver::settle();
        }
}

// Only under `make soak` (ZEMORA_SOAK_ROUNDS set). After warming up (Qt's glyph and font caches
// fill), resident memory and the heap in use stay within a few megabytes however many openings
// follow: one screen left behind on each opening would cost far more. Under AddressSanitizer freed
// memory waits in quarantine and the allocator is not glibc's, so there LeakSanitizer judges instead.
TEST(Soak, OpeningAndClosingEveryScreenKeepsMemoryFlat) {
    const long long rounds = setting("ZEMORA_SOAK_ROUNDS", 0);
    if (rounds == 0)
        GTEST_SKIP() << "set ZEMORA_SOAK_ROUNDS to run";
    reportIfTheProgramDies();
    openAndClose(100, 1);
    const long warmResident = residentKilobytes(), warmHeap = heapKilobytes();
    openAndClose(static_cast<int>(rounds), 1000);
    const long openings = static_cast<long>(rounds * app::menuScreens().size());
    const long residentGrowth = residentKilobytes() - warmResident, heapGrowth = heapKilobytes() - warmHeap;
    std::printf("%ld openings after warm-up: resident memory grew %ld kB, heap in use grew %ld kB\n",
                openings, residentGrowth, heapGrowth);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(residentGrowth, 4 * 1024);
    EXPECT_LT(heapGrowth, 4 * 1024);
#endif
}

} // namespace
