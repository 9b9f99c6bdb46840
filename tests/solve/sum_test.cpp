// The addition and subtraction worked-solution screens, typed and clicked as a pupil would.
#include <QAccessible>

#include <gtest/gtest.h>

#include "tests/solve/solve_support.h"
#include "ui/form.h"

namespace {

using namespace solve;

// A problem, the button that solves it and the row it shows: `Label1(0..6)` for the upper row,
// `Label1(7..15)` for the lower one.
struct Example {
    const char* screen;
    std::array<const char*, 4> problem;
    const char* button;
    Row row;
    std::vector<int> signs;
};

void PrintTo(const Example& e, std::ostream* os) {
    *os << e.screen << " " << e.problem[0] << "/" << e.problem[1] << " " << e.problem[2] << "/"
        << e.problem[3];
}

const Example kExamples[] = {
    {"frmqaa", {"1", "4", "1", "4"}, "Command1", {"1 + 1", "4", "2", "4", "1", "2", ""}, {0, 1, 2, 3}},
    {"frmqaa", {"3", "4", "5", "4"}, "Command1", {"3 + 5", "4", "8", "4", "2", "1", "2"}, {0, 1, 2, 3, 4}},
    // N = 0 under the denominator test: the reduced step 0/1 stays.
    {"frmqaa",
     {"1", "3", "-1", "3"},
     "Command1",
     {"1 + (-1)", "3", "0", "3", "0", "1", "0"},
     {0, 1, 2, 3, 4}},
    // Reduced by the greatest common divisor, 200.
    {"frmqaa",
     {"100", "400", "100", "400"},
     "Command1",
     {"100 + 100", "400", "200", "400", "1", "2", ""},
     {0, 1, 2, 3}},
    {"frmqaa",
     {"1", "2", "1", "3"},
     "Command2",
     {"3×1 + 1×2", "2  ×  3", "3 + 2", "6", "5", "6", "", "", ""},
     {0, 1, 5, 6, 7}},
    {"frmqaa",
     {"-1", "2", "1", "3"},
     "Command2",
     {"3×(-1) + 1×2", "2  ×  3", "(-3) + 2", "6", "-1", "6", "", "", ""},
     {0, 1, 5, 6, 7}},
    // N = 0 under the numerator test: the reduction is dropped, the whole number 0 stays.
    {"frmqaa",
     {"1", "2", "-2", "4"},
     "Command2",
     {"4×1 + (-2)×2", "2  ×  4", "4 + (-4)", "8", "0", "8", "", "", "0"},
     {0, 1, 5, 6, 7, 9}},
    // A negative denominator is carried through, unbracketed in the denominators' step.
    {"frmqaa",
     {"1", "-2", "1", "3"},
     "Command2",
     {"3×1 + 1×(-2)", "-2  ×  3", "3 + (-2)", "-6", "1", "-6", "", "", ""},
     {0, 1, 5, 6, 7}},
    {"frmqam", {"3", "4", "1", "4"}, "Command1", {"3 + (-1)", "4", "2", "4", "1", "2", ""}, {0, 1, 2, 3}},
    {"frmqam", {"1", "4", "-3", "4"}, "Command1", {"1 + 3", "4", "4", "4", "1", "1", "1"}, {0, 1, 2, 3, 4}},
    {"frmqam", {"1", "4", "3", "4"}, "Command1", {"1 + (-3)", "4", "-2", "4", "-1", "2", ""}, {0, 1, 2, 3}},
    {"frmqam", {"5", "4", "0", "4"}, "Command1", {"5 + (0)", "4", "5", "4", "", "", ""}, {0, 1, 2}},
    {"frmqam", {"2", "5", "2", "5"}, "Command1", {"2 + (-2)", "5", "0", "5", "0", "1", "0"}, {0, 1, 2, 3, 4}},
    {"frmqam",
     {"1", "3", "1", "2"},
     "Command2",
     {"2×1 - 1×3", "3  ×  2", "2 - 3", "6", "-1", "6", "", "", ""},
     {0, 1, 5, 6, 7}},
    // The subtraction screen shows a negative denominator in brackets.
    {"frmqam",
     {"1", "-2", "1", "3"},
     "Command2",
     {"3×1 - 1×(-2)", "(-2)  ×  3", "3 - (-2)", "-6", "5", "-6", "", "", ""},
     {0, 1, 5, 6, 7}},
    {"frmqam",
     {"2", "5", "4", "10"},
     "Command2",
     {"10×2 - 4×5", "5  ×  10", "20 - 20", "50", "0", "50", "", "", "0"},
     {0, 1, 5, 6, 7, 9}},
};

class SumExamples : public testing::TestWithParam<Example> {};

TEST_P(SumExamples, ShowTheirRowOfSteps) {
    const Example& e = GetParam();
    ui::Form& screen = driver::open(e.screen);
    typeProblem(screen, "Text1", e.problem);
    press(screen, e.button);
    const bool upper = e.button == std::string("Command1");
    EXPECT_EQ(upper ? shownRow(screen, 0, 6) : shownRow(screen, 7, 15), e.row);
    EXPECT_EQ(upper ? shownRow(screen, 7, 15) : shownRow(screen, 0, 6), Row(upper ? 9 : 7, ""));
    EXPECT_EQ(shownSigns(screen), e.signs);
    EXPECT_EQ(text(screen, "Label7"), solve::kPressPrompt);
}

INSTANTIATE_TEST_SUITE_P(Worked, SumExamples, testing::ValuesIn(kExamples));

// 2 and 02 are different denominators. A zero typed first is refused, so the pupil types 2 and then
// puts a 0 in front of it.
TEST(AdditionScreen, TwoAndOhTwoAreDifferentDenominators) {
    ui::Form& screen = driver::open("frmqaa");
    typeProblem(screen, "Text1", {"1", "2", "1", "2"});
    driver::key(solve::field(screen, "Text1", 3), Qt::Key_Home);
    driver::type(solve::field(screen, "Text1", 3), "0");
    EXPECT_EQ(text(screen, "Text1(3)"), "02");
    EXPECT_FALSE(driver::find(screen, "Command1").isEnabled());
    press(screen, "Command2");
    EXPECT_EQ(shownRow(screen, 7, 15),
              (Row{"02×1 + 1×2", "2  ×  02", "2 + 2", "4", "4", "4", "1", "1", "1"}));
    EXPECT_EQ(shownSigns(screen), (std::vector<int>{0, 1, 5, 6, 7, 8, 9}));
}

class SumScreens : public testing::TestWithParam<const char*> {
  protected:
    ui::Form& open() { return driver::open(GetParam()); }
};

TEST_P(SumScreens, OpenOnTheFirstFieldWithTheCommonDenominatorButtonEnabled) {
    ui::Form& screen = open();
    EXPECT_EQ(QApplication::focusWidget(), &solve::field(screen, "Text1", 0));
    EXPECT_EQ(text(screen, "Label7"), solve::kFieldTip);
    EXPECT_TRUE(driver::find(screen, "Command1").isEnabled());
    EXPECT_FALSE(driver::find(screen, "Command2").isEnabled());
    EXPECT_EQ(shownSigns(screen), (std::vector<int>{0, 1}));
}

TEST_P(SumScreens, ChangingANumberHidesTheSolutionAndPicksTheButtonThatFits) {
    ui::Form& screen = open();
    typeProblem(screen, "Text1", {"1", "4", "1", "4"});
    press(screen, "Command1");
    driver::overtype(solve::field(screen, "Text1", 1), "2");
    EXPECT_EQ(shownRow(screen, 0, 15), Row(16, ""));
    EXPECT_EQ(shownSigns(screen), (std::vector<int>{0, 1}));
    EXPECT_FALSE(driver::find(screen, "Command1").isEnabled());
    EXPECT_TRUE(driver::find(screen, "Command2").isEnabled());
    driver::overtype(solve::field(screen, "Text1", 3), "2");
    EXPECT_TRUE(driver::find(screen, "Command1").isEnabled());
    EXPECT_FALSE(driver::find(screen, "Command2").isEnabled());
}

TEST_P(SumScreens, ALetterEmptiesTheFieldAndALoneMinusStays) {
    ui::Form& screen = open();
    driver::overtype(solve::field(screen, "Text1", 0), "a");
    EXPECT_EQ(text(screen, "Text1(0)"), "");
    driver::overtype(solve::field(screen, "Text1", 2), "-");
    EXPECT_EQ(text(screen, "Text1(2)"), "-");
}

// Each way of typing a zero denominator, in either denominator field.
TEST_P(SumScreens, AZeroDenominatorIsRefusedOnceAndBothDenominatorsBecomeOne) {
    for (const auto& [index, typed] : {std::pair{1, "0"}, {3, "0"}, {3, "-0"}, {1, "-0"}}) {
        SCOPED_TRACE(typed);
        ui::Form& screen = open();
        typeProblem(screen, "Text1", {"3", "5", "2", "7"});
        driver::MessageBoxes boxes;
        driver::overtype(solve::field(screen, "Text1", index), typed);
        ASSERT_EQ(boxes.seen().size(), 1U);
        EXPECT_EQ(boxes.seen()[0].title, "تنبيه ");
        EXPECT_EQ(boxes.seen()[0].text, solve::kZeroDenominator);
        EXPECT_EQ(text(screen, "Text1(1)"), "1");
        EXPECT_EQ(text(screen, "Text1(3)"), "1");
        EXPECT_TRUE(driver::find(screen, "Command1").isEnabled());
        screen.unload();
        driver::settle();
    }
}

// While a field is empty or holds a lone "-" nothing is refused and nothing is solved.
TEST_P(SumScreens, AFieldWithoutANumberYetIsNeitherRefusedNorSolved) {
    ui::Form& screen = open();
    driver::MessageBoxes boxes;
    driver::overtype(solve::field(screen, "Text1", 3), "-");
    driver::overtype(solve::field(screen, "Text1", 1), "");
    driver::key(solve::field(screen, "Text1", 1), Qt::Key_Backspace);
    EXPECT_EQ(text(screen, "Text1(1)"), "");
    EXPECT_TRUE(boxes.seen().empty());
    press(screen, "Command2");
    EXPECT_EQ(shownRow(screen, 0, 15), Row(16, ""));
    EXPECT_EQ(text(screen, "Label7"), solve::kPressPrompt);
}

TEST_P(SumScreens, StepBoxesAndTheBackgroundExplainThemselves) {
    ui::Form& screen = open();
    typeProblem(screen, "Text1", {"12", "18", "0", "18"});
    press(screen, "Command1");
    driver::click(solve::box(screen, 4));
    EXPECT_EQ(text(screen, "Label7"), std::string(solve::kReducedBy) + "6");
    // A screen reader hears the same explanation as the box's description.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&solve::box(screen, 4))
                  ->text(QAccessible::Description)
                  .toStdString(),
              std::string(solve::kReducedBy) + "6");
    EXPECT_EQ(solve::tooltip(solve::box(screen, 5)), std::string(solve::kReducedBy) + "6");
    driver::click(solve::box(screen, 1));
    EXPECT_EQ(text(screen, "Label7"), "المقامان متشابهان ولذلك نضع أحدهما مقام مشترك");
    EXPECT_TRUE(solve::captionFits(driver::find<QLabel>(screen, "Label7")));
    driver::clickAt(screen, QPoint(5, 5));
    EXPECT_EQ(text(screen, "Label7"), solve::kBackgroundPrompt);
    driver::click(solve::field(screen, "Text1", 2));
    EXPECT_EQ(text(screen, "Label7"), solve::kFieldTip);
    EXPECT_EQ(solve::field(screen, "Text1", 2).selectedText(), "0");
}

TEST_P(SumScreens, ReopeningBringsBackTheFirstTooltipsOfTheReducedBoxes) {
    ui::Form& screen = open();
    typeProblem(screen, "Text1", {"1", "2", "1", "3"});
    press(screen, "Command2");
    typeProblem(screen, "Text1", {"1", "4", "1", "4"});
    press(screen, "Command1");
    press(screen, "Command9");
    driver::settle();
    ui::Form& reopened = open();
    for (int index : {4, 5})
        EXPECT_EQ(solve::tooltip(solve::box(reopened, index)), "الاختصار");
    for (int index : {13, 14})
        EXPECT_EQ(solve::tooltip(solve::box(reopened, index)), "لأن المقام مشترك  نجمع البسط + البسط الثاني");
}

INSTANTIATE_TEST_SUITE_P(Both, SumScreens, testing::Values("frmqaa", "frmqam"));

// The subtraction fields have no length limit: numbers beyond exact whole numbers or beyond the range
// of a double are carried through without a made-up reduction or whole number.
TEST(SubtractionScreen, HugeNumbersLeaveOutTheStepsTheyCannotHave) {
    ui::Form& screen = driver::open("frmqam");
    typeProblem(screen, "Text1", {"123456789012", "7", "1", "123456789013"});
    press(screen, "Command2");
    EXPECT_EQ(shownRow(screen, 11, 15), (Row{"1.52415787532769E+22", "864197523091", "", "", ""}));
    const std::string googol = "1" + std::string(200, '0');
    typeProblem(screen, "Text1", {googol.c_str(), "1", "1", googol.c_str()});
    press(screen, "Command2");
    EXPECT_EQ(shownRow(screen, 9, 15), (Row{"", "1E+200", "", "1E+200", "", "", ""}));
    EXPECT_EQ(shownSigns(screen), (std::vector<int>{0, 1, 5, 6}));
}

} // namespace
