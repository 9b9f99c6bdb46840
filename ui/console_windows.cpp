#include "ui/console.h"

#include <QString>

#include <windows.h>

namespace ui {

namespace {

// The stream the program was started with, else the console it was started from, else none.
HANDLE streamFor(Answer kind) {
    const HANDLE given = GetStdHandle(kind == Answer::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE)
        return given;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return nullptr;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

} // namespace

// A console takes the text as UTF-16, so Arabic shows whatever its code page; a pipe or a file takes
// UTF-8, as on other systems.
void answerOnConsole(std::string_view text, Answer kind) {
    const QString wide = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const HANDLE stream = streamFor(kind);
    DWORD mode = 0, written = 0;
    if (stream && GetConsoleMode(stream, &mode)) {
        WriteConsoleW(stream, wide.utf16(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else if (stream) {
        WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        const UINT icon = kind == Answer::Output ? MB_ICONINFORMATION : MB_ICONERROR;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(wide.utf16()), L"zemora", MB_OK | icon);
    }
}

} // namespace ui
