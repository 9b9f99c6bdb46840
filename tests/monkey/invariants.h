// What the monkey checks on each kind of screen, keyed by screen name. Screens not listed get the
// checks every screen has (filtered boxes, no message box left open).
#pragma once

#include <span>
#include <string_view>

namespace monkey {

// A hidden tick counter: a whole number text from 0 up to, not including, its bound.
struct Counter {
    std::string_view label;
    int bound;
};

// Right (earned) count over attempted (possible) count: number texts, right never above attempted,
// neither ever smaller than before except through the clear button.
struct ScorePair {
    std::string_view right, attempts;
};

// A marking button and a solution label: the button is disabled exactly while the label is shown,
// that is while its problem stands marked.
struct Marking {
    std::string_view button, solution;
};

struct ScreenRules {
    std::string_view screen;
    std::span<const Counter> counters;
    std::span<const ScorePair> scores;
    std::string_view clearButton;
    std::span<const Marking> markings;
    std::span<const std::string_view> shownOnlyNonEmpty; // labels never shown with an empty caption
    std::span<const std::string_view> alwaysShown;       // widgets hidden only inside a handler
    int maxPictures;                                     // Image1 elements shown at once, at most
};

// The rules of a screen, or null for a screen without its own.
const ScreenRules* rulesFor(std::string_view screen);

} // namespace monkey
