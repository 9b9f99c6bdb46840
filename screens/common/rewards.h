// The reward rules the tests and the mixed exercises share: a reward while the marks earned stay
// above four fifths of those possible, and the picture a reward shows next.
#pragma once

#include <functional>
#include <span>

namespace screens::rewards {

// More than four fifths earned; nothing possible earns nothing.
bool aboveFourFifths(double earned, double possible);

// The picture a reward shows: the first hidden one of a group's order of appearance, or its last one
// once all the others are shown.
int nextToShow(std::span<const int> order, const std::function<bool(int)>& isShown);

} // namespace screens::rewards
