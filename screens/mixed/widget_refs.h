// How the mixed exercises' handlers name their widgets: one widget, two read as a fraction, and an
// exercise's score pair with the order its reward pictures appear in. Only the screen's own files
// use them.
#pragma once

#include <span>
#include <string_view>

namespace screens::mixed {

struct WidgetRef {
    std::string_view name;
    int index = -1;
};

struct FractionWidgets {
    WidgetRef numerator, denominator;
};

struct ExerciseWidgets {
    std::string_view earned, possible;
    std::span<const int> rewards;
};

} // namespace screens::mixed
