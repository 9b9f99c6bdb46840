// The two panels as every test screen has them, and the marking plans of the addition and
// subtraction tests. A screen that adds widgets to a panel starts from a copy of these.
#pragma once

#include "screens/quiz/quiz_screen.h"

namespace screens::quiz {

inline constexpr int kLowerBoxes[] = {0, 1, 2, 3, 4};
inline constexpr int kLowerRow[] = {4, 5, 6, 7, 8, 9, 10};
inline constexpr RowSign kLowerSigns[] = {
    {5, Term::Numerator}, {6, Term::ReducedNumerator}, {7, Term::Whole}, {4, Term::WorkingNumerator}};

inline constexpr PanelWidgets kLowerPanel{.problem = {0, 1, 2, 3},
                                          .n = 6,
                                          .d = 7,
                                          .reduced = {8, 9},
                                          .whole = 10,
                                          .resultBoxes = {0, 1},
                                          .reducedBoxes = {2, 3},
                                          .wholeBox = 4,
                                          .reducedSign = 2,
                                          .wholeSign = 3,
                                          .answerBoxes = kLowerBoxes,
                                          .rowLabels = kLowerRow,
                                          .rowSigns = kLowerSigns,
                                          .evaluate = "Command3",
                                          .working = {4, 5}};

inline constexpr int kUpperBoxes[] = {5, 6, 7, 8, 9};
inline constexpr int kUpperRow[] = {13, 14, 15, 16, 17};
inline constexpr RowSign kUpperSigns[] = {
    {10, Term::ReducedNumerator}, {9, Term::Whole}, {11, Term::Numerator}};

inline constexpr PanelWidgets kUpperPanel{.problem = {21, 20, 19, 18},
                                          .n = 13,
                                          .d = 14,
                                          .reduced = {15, 16},
                                          .whole = 17,
                                          .resultBoxes = {9, 8},
                                          .reducedBoxes = {7, 6},
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
    {.guard = {}, .typed = kResult, .expected = kResult, .kind = Comparison::FractionValue, .weight = 1},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = kReduced, .expected = kResult,
     .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = {Term::ReducedDenominator},
     .expected = {Term::ReducedDenominator}, .kind = Comparison::NumberSize, .weight = 0.5},
    {.guard = {.shown = Term::Whole}, .typed = kWhole, .expected = kWhole,
     .kind = Comparison::WholeText, .weight = 0.5},
};
// clang-format on
// The upper panel asks for the whole number before the reduced pair.
// clang-format off
inline constexpr Step kSumUpperPlan[] = {
    {.guard = {}, .typed = kResult, .expected = kResult, .kind = Comparison::FractionValue, .weight = 1},
    {.guard = {.shown = Term::Whole}, .typed = kWhole, .expected = kWhole,
     .kind = Comparison::WholeText, .weight = 0.5},
    {.guard = {.shown = Term::ReducedNumerator}, .typed = kReduced, .expected = kResult,
     .kind = Comparison::FractionSize, .weight = 0.5},
    {.guard = {.shown = Term::ReducedDenominator}, .typed = {Term::ReducedDenominator},
     .expected = {Term::ReducedDenominator}, .kind = Comparison::NumberSize, .weight = 0.5},
};
// clang-format on

} // namespace screens::quiz
