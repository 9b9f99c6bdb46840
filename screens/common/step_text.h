// The joiners of the step texts both the worked solutions and the tests write ("3 + 5", "12 × 5").
#pragma once

#include <string_view>

namespace screens::step_text {

inline constexpr std::string_view kPlus = " + ";
inline constexpr std::string_view kMinus = " - ";
inline constexpr std::string_view kTimes = " × "; // products of the multiplication and division steps

} // namespace screens::step_text
