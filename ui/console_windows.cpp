#include "ui/console.h"

#include <windows.h>

#include <cstdio>

namespace ui {

// Streams already handed over (a pipe, a file, a console of the program's own) stay as they are.
// The program's code page is UTF-8 (its manifest says so); the console is told to show it.
void answerOnStartingConsole() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    SetConsoleOutputCP(CP_UTF8);
    std::FILE* ignored = nullptr;
    freopen_s(&ignored, "CONOUT$", "w", stdout);
    freopen_s(&ignored, "CONOUT$", "w", stderr);
}

} // namespace ui
