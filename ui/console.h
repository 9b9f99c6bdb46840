// Where the program's answers on the command line (--help, --version, a refused option) reach the
// person who ran it: the standard output or error. A Windows program with windows of its own has
// neither unless it was started with them (a pipe, a file); it then writes to the console it was
// started from, or, started from none (a shortcut), shows the answer in a message box.
#pragma once

#include <string_view>

namespace ui {

enum class Answer { Output, Error };

void answerOnConsole(std::string_view text, Answer kind);

} // namespace ui
