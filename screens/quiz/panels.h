// The two panels as every test screen has them, and the marking plans of the addition and
// subtraction tests. A screen that adds widgets to a panel starts from a copy of these.
#pragma once

#include "screens/quiz/quiz_screen.h"

namespace screens::quiz {

inline constexpr int kLowerBoxes[] = {0, 1, 2, 3, 4};
inline constexpr int kLowerRow[] = {4, 5, 6, 7, 8, 9, 10};
inline constexpr RowSign kLowerSigns[] = {{5, 6}, {6, 8}, {7, 10}, {4, 4}};

inline constexpr PanelWidgets kLowerPanel{.problem = {0, 1, 2, 3},
                                          .n = 6,
                                          .d = 7,
                                          .reducedNumerator = 8,
                                          .reducedDenominator = 9,
                                          .whole = 10,
                                          .reducedBoxNumerator = 2,
                                          .reducedBoxDenominator = 3,
                                          .wholeBox = 4,
                                          .reducedSign = 2,
                                          .wholeSign = 3,
                                          .answerBoxes = kLowerBoxes,
                                          .rowLabels = kLowerRow,
                                          .rowSigns = kLowerSigns,
                                          .evaluate = "Command3"};

inline constexpr int kUpperBoxes[] = {5, 6, 7, 8, 9};
inline constexpr int kUpperRow[] = {13, 14, 15, 16, 17};
inline constexpr RowSign kUpperSigns[] = {{10, 15}, {9, 17}, {11, 13}};

inline constexpr PanelWidgets kUpperPanel{.problem = {21, 20, 19, 18},
                                          .n = 13,
                                          .d = 14,
                                          .reducedNumerator = 15,
                                          .reducedDenominator = 16,
                                          .whole = 17,
                                          .reducedBoxNumerator = 7,
                                          .reducedBoxDenominator = 6,
                                          .wholeBox = 5,
                                          .reducedSign = 13,
                                          .wholeSign = 12,
                                          .answerBoxes = kUpperBoxes,
                                          .rowLabels = kUpperRow,
                                          .rowSigns = kUpperSigns,
                                          .evaluate = "Command7"};

// Together the reduced pair's two steps accept exactly the reduced fraction, with its minus sign on
// either term or left out.
// clang-format off
inline constexpr Step kSumLowerPlan[] = {
    {.guard = {}, .typed = {0, 1}, .expected = {6, 7}, .kind = Comparison::FractionValue, .weight = 1},
    {.guard = {.shown = 2}, .typed = {2, 3}, .expected = {6, 7}, .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {.shown = 2}, .typed = {3, -1}, .expected = {9, -1}, .kind = Comparison::NumberSize, .weight = 0.5},
    {.guard = {.shown = 4}, .typed = {4, -1}, .expected = {10, -1}, .kind = Comparison::WholeText, .weight = 0.5},
};
// clang-format on
// The upper panel asks for the whole number before the reduced pair.
// clang-format off
inline constexpr Step kSumUpperPlan[] = {
    {.guard = {}, .typed = {9, 8}, .expected = {13, 14}, .kind = Comparison::FractionValue, .weight = 1},
    {.guard = {.shown = 5}, .typed = {5, -1}, .expected = {17, -1}, .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {.shown = 7}, .typed = {7, 6}, .expected = {13, 14}, .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {.shown = 6}, .typed = {6, -1}, .expected = {16, -1}, .kind = Comparison::NumberSize, .weight = 0.5},
};
// clang-format on

} // namespace screens::quiz
