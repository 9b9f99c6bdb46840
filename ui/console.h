// The console a program was started from. A Windows program with windows of its own has no console:
// for its command-line answers (--help, --version) to reach the person who typed the command, it
// writes to the console it was started from, if any. Elsewhere the standard streams are always there.
#pragma once

namespace ui {

#ifdef _WIN32
void answerOnStartingConsole();
#else
inline void answerOnStartingConsole() {}
#endif

} // namespace ui
