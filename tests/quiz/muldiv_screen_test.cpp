// The multiplication test `frmqd` and the division test `frmqdv`: their opening state, focus order,
// back button, the stars of fully right start problems, what a new problem hides and empties and
// what the reveal shows, Enter and the box lengths.
#include <QApplication>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "tests/quiz/screen_driver.h"

namespace {

using namespace screen;

using Captions = std::vector<std::pair<int, const char*>>;

// Each label's caption; shown exactly when its index is in `shownOnes`.
void expectLabels(const ui::Form& form, const Captions& labels, const std::set<int>& shownOnes) {
    for (const auto& [index, text] : labels) {
        EXPECT_EQ(caption(form, "Label1", index), text) << index;
        EXPECT_EQ(shown(form, "Label1", index), shownOnes.contains(index)) << index;
    }
}

// After every change of the attempt count: the score and the lit stars.
struct Moment {
    std::string score;
    std::vector<int> stars;
    bool operator==(const Moment&) const = default;
};

void recordMoments(ui::Form& form, std::vector<Moment>& moments) {
    form.onChange("Label4", [&form, &moments](int) { moments.push_back({score(form), litStars(form)}); });
}

void typeAnswers(const ui::Form& form, const Captions& answers) {
    for (const auto& [index, text] : answers)
        driver::overtype(box(form, index), QString::fromUtf8(text));
}

TEST(MultiplicationTest, OpensOnItsStartProblemsAtLevelOne) {
    ui::Form& form = openStill("frmqd");
    EXPECT_EQ(form.windowTitle(), "الضرب في الأعداد النسبية");
    expectLabels(form,
                 {{21, "2"},
                  {20, "5"},
                  {19, "4"},
                  {13, "8"},
                  {14, "5"},
                  {15, ""},
                  {16, ""},
                  {17, ""},
                  {0, "2"},
                  {1, "5"},
                  {2, "7"},
                  {3, "3"},
                  {4, "2×7"},
                  {5, "5×3"},
                  {6, "14"},
                  {7, "15"},
                  {8, ""},
                  {9, ""},
                  {10, ""}},
                 {21, 20, 19, 0, 1, 2, 3});
    for (const char* missing : {"Label1(18)", "Label1(11)", "Label1(12)", "Label2(8)"})
        EXPECT_EQ(form.findChild<QWidget*>(missing), nullptr) << missing;
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(box(form, i).maxLength(), QLineEdit().maxLength()) << i; // no limit of its own
        EXPECT_EQ(box(form, i).isVisible(), i <= 1 || i >= 8) << i;
    }
    EXPECT_EQ(caption(form, "Label2", 15), "×");
    EXPECT_EQ(caption(form, "Label2", 0), "×");
    EXPECT_EQ(QApplication::focusWidget(), &driver::find(form, "Command7"));
    EXPECT_EQ(score(form), "0/0");
}

TEST(DivisionTest, OpensOnItsStartProblemsAtLevelOne) {
    ui::Form& form = openStill("frmqdv");
    EXPECT_EQ(form.windowTitle(), "قسمة الاعداد النسبية");
    expectLabels(form, {{21, "2"},  {20, "5"},  {19, "4"}, {22, "2"},  {18, "5"}, {12, "1"}, {11, "4"},
                        {13, "2"},  {14, "20"}, {15, "1"}, {16, "10"}, {17, ""},  {0, "2"},  {1, "4"},
                        {2, "1"},   {3, "3"},   {26, "2"}, {25, "4"},  {24, "3"}, {23, "1"}, {4, "2×3"},
                        {5, "4×1"}, {6, "6"},   {7, "4"},  {8, "3"},   {9, "2"},  {10, ""}},
                 {21, 20, 19, 0, 1, 2, 3});
    for (int i = 0; i <= 17; ++i) {
        EXPECT_EQ(box(form, i).maxLength(), 4) << i;
        EXPECT_EQ(box(form, i).isVisible(), i != 4 && i != 5) << i;
    }
    for (int sign : {15, 0})
        EXPECT_EQ(caption(form, "Label2", sign), "÷");
    for (int sign : {8, 22})
        EXPECT_EQ(caption(form, "Label2", sign), "×");
    EXPECT_EQ(QApplication::focusWidget(), &box(form, 10));
}

struct FocusCase {
    const char* screen;
    // From the widget that has the focus at opening, round to it. The two level options are one
    // stop, as option buttons of one group are.
    std::vector<const char*> order;
};

const FocusCase kFocusOrders[] = {
    {"frmqd",
     {"Command7", "Text1(9)", "Text1(8)", "Text1(0)", "Text1(1)", "Command5", "Command4", "Command3",
      "Command2", "Command8", "Command9", "Option2", "Command7"}},
    {"frmqdv", {"Text1(10)", "Text1(11)", "Text1(12)", "Text1(13)", "Text1(9)",  "Text1(8)", "Text1(7)",
                "Text1(6)",  "Text1(17)", "Text1(16)", "Text1(15)", "Text1(14)", "Text1(0)", "Text1(1)",
                "Text1(2)",  "Text1(3)",  "Command2",  "Command3",  "Command4",  "Command5", "Command7",
                "Command8",  "Command9",  "Option1",   "Text1(10)"}},
};

class FocusOrder : public testing::TestWithParam<FocusCase> {};

TEST_P(FocusOrder, TabWalksTheShownWidgets) {
    ui::Form& form = openStill(GetParam().screen);
    for (const char* name : GetParam().order) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, &driver::find(form, name))
            << name << " expected, " << (focused ? qPrintable(focused->objectName()) : "none");
        driver::key(*focused, Qt::Key_Tab);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, FocusOrder, testing::ValuesIn(kFocusOrders),
                         [](const auto& info) { return std::string(info.param.screen); });

struct BackCase {
    const char *screen, *back, *exit;
};

class BackAndExit : public testing::TestWithParam<BackCase> {};

TEST_P(BackAndExit, EscPressesBackWhichUnloadsTheScreen) {
    const BackCase& c = GetParam();
    ui::Form& form = openStill(c.screen);
    EXPECT_EQ(caption(form, c.back, -1), "رجوع");
    EXPECT_EQ(caption(form, c.exit, -1), "خروج");
    driver::key(form, Qt::Key_Escape);
    driver::settle();
    EXPECT_EQ(ui::forms::find(c.screen), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Screens, BackAndExit,
                         testing::Values(BackCase{"frmqd", "Command8", "Command9"},
                                         BackCase{"frmqdv", "Command9", "Command8"}),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST(MultiplicationAndDivisionTests, TickCountersRunModulo453And400) {
    for (const char* name : {"frmqd", "frmqdv"}) {
        ui::Form& form = openStill(name);
        EXPECT_EQ(form.timer("Timer1").interval(), 500);
        EXPECT_EQ(form.timer("Timer2").interval(), 300);
        setCounters(form, 451, 398);
        for (const char* expected : {"452", "0"}) {
            form.timer("Timer1").onTick();
            EXPECT_EQ(caption(form, "Label7", -1), expected) << name;
        }
        for (const char* expected : {"399", "0"}) {
            form.timer("Timer2").onTick();
            EXPECT_EQ(caption(form, "Label8", -1), expected) << name;
        }
    }
}

TEST(MultiplicationTest, AFullyRightStartProblemLightsAStarAtItsSecondStepAndClearKeepsIt) {
    ui::Form& form = openStill("frmqd");
    std::vector<Moment> moments;
    recordMoments(form, moments);
    typeAnswers(form, {{0, "14"}, {1, "15"}});
    press(form, "Command3");
    // The first step found an attempt count of 0; the second a right count of 1 over 0.5.
    EXPECT_EQ(moments, (std::vector<Moment>{{"0.5/0.5", {}}, {"1/1", {0}}}));
    press(form, "Command4");
    EXPECT_EQ(score(form), "0/0");
    EXPECT_EQ(litStars(form), std::vector<int>{0});
}

TEST(DivisionTest, FullyRightStartProblemsLightFourStarsOnEveryFourthAttemptAndClearHidesThem) {
    ui::Form& form = openStill("frmqdv");
    std::vector<Moment> moments;
    recordMoments(form, moments);
    typeAnswers(form, {{17, "2"}, {16, "4"}, {15, "3"}, {14, "1"}, {0, "6"}, {1, "4"}, {2, "3"}, {3, "2"}});
    press(form, "Command3");
    typeAnswers(form, {{10, "2"}, {11, "5"}, {12, "1"}, {13, "4"}, {9, "2"}, {8, "20"}, {7, "1"}, {6, "10"}});
    press(form, "Command7");
    const std::vector<Moment> expected = {
        {"0.5/0.5", {}}, {"1/1", {0}},     {"1.5/1.5", {0}}, {"2/2", {0}},           {"2.5/2.5", {0}},
        {"3/3", {0}},    {"3.5/3.5", {0}}, {"4/4", {0, 1}},  {"4.5/4.5", {0, 1, 2}}, {"5/5", {0, 1, 2, 3}},
    };
    EXPECT_EQ(moments, expected);
    press(form, "Command4");
    EXPECT_EQ(score(form), "0/0");
    EXPECT_TRUE(litStars(form).empty());
}

TEST(DivisionTest, TheRevealShowsTheCopiesAndANewProblemHidesAndEmptiesThem) {
    ui::Form& form = openStill("frmqdv");
    typeAnswers(form, {{17, "2"}, {16, "4"}, {10, "2"}});
    press(form, "Command3");
    press(form, "Command7");
    for (int i : {4, 5, 6, 7, 8, 9, 23, 24, 25, 26, 11, 12, 13, 14, 15, 16, 18, 22})
        EXPECT_TRUE(shown(form, "Label1", i)) << i;
    for (int i : {10, 17})
        EXPECT_FALSE(shown(form, "Label1", i)) << i;
    for (int i : {4, 5, 6, 19, 20, 10, 11, 17, 18})
        EXPECT_TRUE(shown(form, "Label2", i)) << i;
    for (int i : {7, 9}) // in front of the empty whole-number labels
        EXPECT_FALSE(shown(form, "Label2", i)) << i;

    setCounters(form, 0, 1);
    press(form, "Command2"); // 12/3 ÷ 6/9 = 108/18, reduced 6/1 and whole 6
    press(form, "Command5"); // 1/3 ÷ 6
    for (int i : {4, 5, 6, 7, 8, 9, 10, 23, 24, 25, 26, 11, 12, 13, 14, 15, 16, 17, 18, 22})
        EXPECT_FALSE(shown(form, "Label1", i)) << i;
    for (int i : {4, 5, 6, 7, 19, 20, 9, 10, 11, 17, 18})
        EXPECT_FALSE(shown(form, "Label2", i)) << i;
    for (int i = 0; i <= 17; ++i)
        EXPECT_EQ(box(form, i).text(), "") << i;
    expectLabels(form, {{23, "6"}, {24, "9"}, {25, "3"}, {26, "12"}, {8, "6"}, {9, "1"}, {10, "6"}}, {});
    for (int i : {2, 3, 4})
        EXPECT_TRUE(box(form, i).isVisible()) << i;
    EXPECT_TRUE(shown(form, "Label2", 3));
    expectLabels(form, {{22, "1"}, {18, "3"}, {11, "6"}, {12, "1"}, {13, "1"}, {14, "18"}, {15, ""}}, {});
    EXPECT_FALSE(box(form, 7).isVisible());
    EXPECT_FALSE(box(form, 5).isVisible());
}

TEST(DivisionTest, AFifthCharacterCannotBeTyped) {
    ui::Form& form = openStill("frmqdv");
    typeAnswers(form, {{10, "12345"}, {0, "-1234"}});
    EXPECT_EQ(box(form, 10).text(), "1234");
    EXPECT_EQ(box(form, 0).text(), "-123");
}

TEST(DivisionTest, EnterMakesANewLowerProblemAtLevelTwoOnlyWhileItsBoxesAreEmpty) {
    ui::Form& form = openStill("frmqdv");
    setCounters(form, 0, 0);
    typeAnswers(form, {{0, "7"}});
    driver::key(box(form, 0), Qt::Key_Return);
    EXPECT_EQ(caption(form, "Label1", 0), "2"); // the start problem stays
    EXPECT_EQ(box(form, 0).text(), "7");

    press(form, "Option2");
    const std::string problem = caption(form, "Label1", 0) + "/" + caption(form, "Label1", 2);
    ASSERT_NE(problem, "10/-16");
    setCounters(form, 14, 51);
    typeAnswers(form, {{0, "7"}});
    driver::key(box(form, 0), Qt::Key_Return);
    EXPECT_EQ(caption(form, "Label1", 0) + "/" + caption(form, "Label1", 2), problem); // a typed answer stays
    EXPECT_EQ(box(form, 0).text(), "7");

    typeAnswers(form, {{0, ""}});
    driver::key(box(form, 0), Qt::Key_Backspace);
    driver::key(box(form, 0), Qt::Key_Return);
    EXPECT_EQ(caption(form, "Label1", 0), "10"); // 10/15 ÷ -16/12 = 120/-240, reduced by 120
    EXPECT_EQ(caption(form, "Label1", 8), "1");
    EXPECT_EQ(caption(form, "Label1", 9), "-2");
}

} // namespace
