// The widgets of the mixed exercises screen `frmqo` as a layout table, and the names its handlers
// share with the table.
#pragma once

#include <string_view>
#include <vector>

#include "ui/layout_row.h"

namespace screens::mixed {

std::vector<ui::Row> screenLayout();

// The score pairs, earned over possible: exercises 1, 2, 3 and the total.
struct ScoreLabels {
    std::string_view earned, possible;
};
inline constexpr ScoreLabels kScoreLabels[] = {
    {"Label15", "Label16"}, {"Label17", "Label18"}, {"Label19", "Label20"}, {"Label21", "Label22"}};

// The sun, Image1(22), opens the total's group of reward pictures.
inline constexpr int kSun = 22;

} // namespace screens::mixed
