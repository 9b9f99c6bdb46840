#include "ui/console.h"

#include <cstdio>

namespace ui {

void answerOnConsole(std::string_view text, Answer kind) {
    std::FILE* stream = kind == Answer::Output ? stdout : stderr;
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

} // namespace ui
