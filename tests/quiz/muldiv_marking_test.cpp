// Marking on the multiplication and division tests: problems made at given counter values, answers
// typed as a pupil would, the score after the panel's evaluate button.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/quiz/screen_driver.h"

namespace {

using namespace screen;

enum class Made { Start, Level1, Level2 };

struct MarkingCase {
    const char* name;
    const char* screen;
    Made made;
    int t1, t2;
    bool upper;
    std::vector<std::pair<int, const char*>> answers;
    const char* score;
};

// clang-format off
const MarkingCase kCases[] = {
    // frmqd, lower start problem 2/5 × 7/3 = 14/15: half for the value, half for the uncancelled 15.
    {"TimesEqualFractionMissesTheUncancelledDenominator", "frmqd", Made::Start, 0, 0, false,
     {{0, "28"}, {1, "30"}}, "0.5/1"},
    {"TimesNegativeDenominatorMissesTheDenominatorByValue", "frmqd", Made::Start, 0, 0, false,
     {{0, "-14"}, {1, "-15"}}, "0.5/1"},
    {"TimesDecimalCountsByValue", "frmqd", Made::Start, 0, 0, false, {{0, "7"}, {1, "7.5"}}, "0.5/1"},
    {"TimesEmptyBoxesAreAttempts", "frmqd", Made::Start, 0, 0, false, {}, "0/1"},
    {"TimesZeroDenominator", "frmqd", Made::Start, 0, 0, false, {{0, "14"}, {1, "0"}}, "0/1"},
    // Above, 2/5 × 4 = 8/5, whose denominator counts by size.
    {"TimesUpperNegativeDenominatorCountsBySize", "frmqd", Made::Start, 0, 0, true,
     {{9, "-8"}, {8, "-5"}}, "1/1"},
    {"TimesBoxesTakeAnyLength", "frmqd", Made::Start, 0, 0, true, {{9, "000000000008"}, {8, "5"}}, "1/1"},
    // 12/6 × 9/9 = 108/54, whole number 2 by size.
    {"TimesWholeBoxIgnoresTheSign", "frmqd", Made::Level1, 0, 4, false,
     {{0, "108"}, {1, "54"}, {4, "-2"}}, "1.5/1.5"},
    {"TimesWholeBoxEmpty", "frmqd", Made::Level1, 0, 4, false, {}, "0/1.5"},
    // 8/15 × -15/16 = -120/240, reduced -1/2 (by 120): -2/4 has the size but not the term 1.
    {"TimesReducedPairNeedsATermOfTheReducedLabels", "frmqd", Made::Level2, 138, 34, false,
     {{0, "-120"}, {1, "240"}, {2, "-2"}, {3, "4"}}, "1.5/2"},
    {"TimesReducedPairSignLeftOut", "frmqd", Made::Level2, 138, 34, false,
     {{0, "-120"}, {1, "240"}, {2, "1"}, {3, "2"}}, "2/2"},
    // Above at level 2, 0/0: -1/2 × -1 = 1/2.
    {"TimesUpperLevelTwo", "frmqd", Made::Level2, 0, 0, true, {{9, "-1"}, {8, "-2"}}, "1/1"},

    // frmqdv, lower start problem 2/4 ÷ 1/3: 2/4 × 3/1 = 6/4, reduced 3/2.
    {"OverLowerFullyRight", "frmqdv", Made::Start, 0, 0, false,
     {{17, "2"}, {16, "4"}, {15, "3"}, {14, "1"}, {0, "6"}, {1, "4"}, {2, "3"}, {3, "2"}}, "2.5/2.5"},
    {"OverLowerStagesByValueReciprocalBySize", "frmqdv", Made::Start, 0, 0, false,
     {{17, "1"}, {16, "2"}, {15, "-3"}, {14, "1"}, {0, "3"}, {1, "2"}, {2, "3.0"}, {3, "2"}}, "2/2.5"},
    {"OverZeroNumeratorOfTheRewrittenDividend", "frmqdv", Made::Start, 0, 0, false,
     {{17, "0"}, {16, "4"}, {15, "3"}, {14, "1"}}, "0.5/2.5"},
    {"OverLoneMinusInTheResultDenominator", "frmqdv", Made::Start, 0, 0, false,
     {{0, "6"}, {1, "-"}, {2, "3"}, {3, "2"}}, "1/2.5"},
    {"OverZeroInTheReciprocal", "frmqdv", Made::Start, 0, 0, false, {{15, "0"}, {14, "1"}}, "0/2.5"},
    // -10/9 ÷ -13/13 = -130/-117, reduced -10/-9: 10/9 has the value but not the numerator's text.
    {"OverReducedNumeratorByText", "frmqdv", Made::Level2, 0, 0, false, {{2, "10"}, {3, "9"}}, "0.5/2.5"},
    // 10/15 ÷ -16/12 = 120/-240, reduced by 120 to 1/-2.
    {"OverReducedByTheGreatestCommonDivisor", "frmqdv", Made::Level2, 14, 51, false,
     {{17, "10"}, {16, "15"}, {15, "12"}, {14, "-16"}, {0, "120"}, {1, "-240"}, {2, "1"}, {3, "-2"}}, "2.5/2.5"},
    {"OverReciprocalKeepsNoSign", "frmqdv", Made::Level2, 0, 0, false,
     {{17, "-10"}, {16, "9"}, {15, "13"}, {14, "13"}}, "1/2.5"},
    // 12/3 ÷ 6/9 = 108/18, reduced 6/1 and whole 6.
    {"OverWholeNumberByText", "frmqdv", Made::Level1, 0, 1, false,
     {{0, "108"}, {1, "18"}, {2, "6"}, {3, "1"}, {4, "6.0"}}, "1.5/3"},
    // Upper start problem 2/5 ÷ 4: 2/5 × 1/4 = 2/20, reduced 1/10.
    {"OverUpperFullyRight", "frmqdv", Made::Start, 0, 0, true,
     {{10, "2"}, {11, "5"}, {12, "1"}, {13, "4"}, {9, "2"}, {8, "20"}, {7, "1"}, {6, "10"}}, "2.5/2.5"},
    {"OverUpperExactText", "frmqdv", Made::Start, 0, 0, true,
     {{10, "02"}, {11, "5"}, {12, "1.0"}, {13, "04"}, {9, "2"}, {8, "20.0"}, {7, "-1"}, {6, "10"}}, "1/2.5"},
    {"OverUpperUnitReadAsANumber", "frmqdv", Made::Start, 0, 0, true, {{12, "01"}, {13, "4"}}, "0.5/2.5"},
    {"OverUpperLoneMinusForTheUnit", "frmqdv", Made::Start, 0, 0, true, {{12, "-"}, {13, "4"}}, "0/2.5"},
    // -1/2 ÷ -1 = -1/-2: the result pair must carry the signs of the labels.
    {"OverUpperSignsOfTheResult", "frmqdv", Made::Level2, 0, 0, true,
     {{10, "-1"}, {11, "2"}, {12, "1"}, {13, "-1"}, {9, "1"}, {8, "2"}}, "1/2"},
    {"OverUpperSignsKept", "frmqdv", Made::Level2, 0, 0, true,
     {{10, "-1"}, {11, "2"}, {12, "1"}, {13, "-1"}, {9, "-1"}, {8, "-2"}}, "2/2"},
    // 10/2 ÷ 5 = 10/10, reduced 1/1 and whole 1.
    {"OverUpperWholeAndReduced", "frmqdv", Made::Level1, 9, 0, true,
     {{9, "10"}, {8, "10"}, {5, "1"}, {7, "-1"}, {6, "-1"}}, "2/3"},
};
// clang-format on

void makeProblem(ui::Form& form, const MarkingCase& c) {
    setCounters(form, c.t1, c.t2);
    if (c.made == Made::Level2)
        press(form, "Option2");
    else if (c.made == Made::Level1)
        press(form, c.upper ? "Command5" : "Command2");
}

class Marking : public testing::TestWithParam<MarkingCase> {};

TEST_P(Marking, ScoresTheShownStepsByTheirComparisons) {
    const MarkingCase& c = GetParam();
    ui::Form& form = openStill(c.screen);
    makeProblem(form, c);
    for (const auto& [index, text] : c.answers)
        driver::overtype(box(form, index), QString::fromUtf8(text));
    press(form, c.upper ? "Command7" : "Command3");
    EXPECT_EQ(score(form), c.score);
    EXPECT_FALSE(driver::find(form, c.upper ? "Command7" : "Command3").isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Answers, Marking, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
