// What the monkey checks on each screen besides what every screen has (filtered boxes, no message
// box left open): a test screen's rules come from its own settings, the other screens' from a table
// here. A screen with neither stops the walk, so a new screen cannot go unchecked.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

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
    std::string_view button;
    std::string solution;
};

struct ScreenRules {
    std::vector<Counter> counters = {};
    std::vector<ScorePair> scores = {};
    std::string_view clearButton = {};
    std::vector<Marking> markings = {};
    std::vector<std::string> shownOnlyNonEmpty = {}; // labels never shown with an empty caption
    std::vector<std::string> alwaysShown = {};       // widgets hidden only inside a handler
    int maxPictures = 0;                             // Image1 elements shown at once, at most
};

// The rules of a loaded screen, or nothing for a screen the monkey has no rules for.
std::optional<ScreenRules> rulesFor(const ui::Form& screen);

} // namespace monkey
