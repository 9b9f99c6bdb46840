// The addition test `frmaddq`: its opening state, and marking with the score and the stars.
#include <gtest/gtest.h>

#include "tests/quiz/screen_driver.h"

namespace {

using namespace screen;

// After every change of the attempt count: the score and the lit stars.
struct Moment {
    std::string score;
    std::vector<int> stars;
    bool operator==(const Moment&) const = default;
};

// Records the score and the lit stars each time the attempt count changes.
void recordMarking(ui::Form& form, std::vector<Moment>& moments) {
    form.onChange("Label4", [&form, &moments](int) { moments.push_back({score(form), litStars(form)}); });
}

TEST(AdditionTest, OpensOnItsStartProblemsAtLevelOne) {
    ui::Form& form = openStill("frmaddq");
    EXPECT_EQ(form.windowTitle(), "جمع الأعداد النسبية");
    EXPECT_EQ(form.size(), QSize(792, 566));
    const std::pair<int, const char*> labels[] = {{21, "2"}, {20, "5"}, {19, "4"}, {18, "5"},  {13, "6"},
                                                  {14, "5"}, {15, ""},  {16, ""},  {17, ""},   {0, "2"},
                                                  {1, "1"},  {2, "1"},  {3, "3"},  {4, "6+1"}, {5, "3"},
                                                  {6, "7"},  {7, "3"},  {8, ""},   {9, ""},    {10, ""}};
    for (const auto& [index, text] : labels) {
        EXPECT_EQ(caption(form, "Label1", index), text) << index;
        EXPECT_EQ(shown(form, "Label1", index), index >= 18 || index <= 3) << index;
    }
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(box(form, i).maxLength(), i == 0 ? 5 : 4) << i;
        EXPECT_EQ(box(form, i).isVisible(), i <= 1 || i >= 8) << i;
    }
    EXPECT_EQ(caption(form, "Label2", 15), "+");
    EXPECT_EQ(score(form), "0/0");
    EXPECT_TRUE(litStars(form).empty());
    EXPECT_TRUE(driver::find<QAbstractButton>(form, "Option1").isChecked());
    for (const char* button : {"Command5", "Command2", "Command3", "Command7"})
        EXPECT_TRUE(driver::find(form, button).isVisible() && driver::find(form, button).isEnabled())
            << button;
    for (const char* button : {"Command6", "Command1"})
        EXPECT_FALSE(driver::find(form, button).isVisible()) << button;
}

TEST(AdditionTest, AnEqualFractionIsRightAndAZeroDenominatorWrong) {
    // The lower start problem 2/1 + 1/3 is 7 over 3.
    for (const auto& [denominator, expected] : {std::pair{"6", "1/1"}, std::pair{"0", "0/1"}}) {
        ui::Form& form = openStill("frmaddq");
        answer(form, {{0, "14"}, {1, denominator}});
        press(form, "Command3");
        EXPECT_EQ(score(form), expected);
        EXPECT_TRUE(litStars(form).empty());
        EXPECT_EQ(box(form, 1).text(), denominator); // the typed boxes keep what was typed
        form.unload();
        driver::settle();
    }
}

TEST(AdditionTest, EvaluateRevealsTheNonEmptySolutionLabelsWithTheirSigns) {
    ui::Form& form = openStill("frmaddq");
    press(form, "Command3");
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(shown(form, "Label1", i), i <= 7) << i;
    for (const auto& [sign, visible] : {std::pair{4, true}, {5, true}, {6, false}, {7, false}})
        EXPECT_EQ(shown(form, "Label2", sign), visible) << sign;
    EXPECT_FALSE(driver::find(form, "Command3").isEnabled());
    EXPECT_TRUE(driver::find(form, "Command7").isEnabled());
}

TEST(AdditionTest, AFullyRightFirstProblemLightsAStarAtItsSecondStep) {
    ui::Form& form = openStill("frmaddq");
    setCounters(form, 0, 0);
    press(form, "Command5"); // 1/2 + 1/2 asks for the whole number
    ASSERT_TRUE(box(form, 5).isVisible());
    ASSERT_FALSE(box(form, 7).isVisible());
    std::vector<Moment> moments;
    recordMarking(form, moments);
    answer(form, {{9, "2"}, {8, "2"}, {5, "1"}});
    press(form, "Command7");
    EXPECT_EQ(moments, (std::vector<Moment>{{"1/1", {}}, {"1.5/1.5", {0}}}));
    EXPECT_TRUE(shown(form, "Label1", 17));
    EXPECT_FALSE(shown(form, "Label1", 15));
    EXPECT_TRUE(shown(form, "Label2", 9));
    EXPECT_FALSE(shown(form, "Label2", 10));
}

TEST(AdditionTest, ATypedDecimalCountsByItsExactValue) {
    ui::Form& form = openStill("frmaddq");
    setCounters(form, 0, 18);
    press(form, "Command5"); // 1/4 + 5/4 = 6/4, reduced 3/2; 0.6 / 0.4 is 1.4999999999999998 in binary
    answer(form, {{9, "0.6"}, {8, "0.4"}, {7, "3"}, {6, "2"}});
    press(form, "Command7");
    EXPECT_EQ(score(form), "2/2");
}

struct ReducedAnswer {
    const char *resultNumerator, *resultDenominator, *reducedNumerator, *reducedDenominator;
    const char* score;
};

// Lower panel, level 2, counters 0 and 0: -14/8 + -5/10 = -180/80, reduced -9/4.
constexpr ReducedAnswer kReducedAnswers[] = {
    {"-180", "80", "-9", "4", "2/2"}, {"180", "-80", "9", "-4", "2/2"},    {"-45", "20", "9", "4", "2/2"},
    {"180", "80", "-9", "4", "1/2"},  {"-180", "80", "-18", "8", "1.5/2"}, {"-180", "80", "", "", "1/2"},
};

class AdditionReducedPair : public testing::TestWithParam<ReducedAnswer> {};

TEST_P(AdditionReducedPair, TakesTheSignAnywhereButTheResultPairNeedsIt) {
    const ReducedAnswer& a = GetParam();
    ui::Form& form = openStill("frmaddq");
    setCounters(form, 0, 0);
    press(form, "Option2");
    answer(form, {{0, a.resultNumerator},
                  {1, a.resultDenominator},
                  {2, a.reducedNumerator},
                  {3, a.reducedDenominator}});
    press(form, "Command3");
    EXPECT_EQ(score(form), a.score);
}

INSTANTIATE_TEST_SUITE_P(Answers, AdditionReducedPair, testing::ValuesIn(kReducedAnswers));

} // namespace
