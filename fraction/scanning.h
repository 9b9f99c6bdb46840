// Reading a number's text, as the number rules share it: blanks around a number, and its digits.
#pragma once

#include <string_view>

namespace fraction::scanning {

// The text without the spaces and tabs around it.
inline std::string_view trimmedView(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace fraction::scanning
