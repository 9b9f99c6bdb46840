// What the benchmark programs share: waiting until a window has been painted, the resident memory of
// the process, and the report line a measured child process prints for the benchmark runner.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace bench {

// Runs `open`, then the event loop until the top-level window named `window` has been painted, so
// everything up to its first frame (building, layout, fonts, pictures, painting) has happened when it
// returns.
void awaitPaint(const QString& window, const std::function<void()>& open);

// Calls `then` from the event loop just after the first paint of the window named `window` has
// finished.
void afterFirstPaint(const QString& window, void (*then)());

// The resident set size of this process in KiB (VmRSS).
std::int64_t residentKiB();

// Prints "<steady clock in ns> <resident KiB>" on standard output and ends the process at once: the
// runner reads the line, and tearing down would only add noise to the next run.
[[noreturn]] void reportAndExit();

} // namespace bench
