// The multiplication and division worked-solution screen: two independent problems.
#include <gtest/gtest.h>

#include "screens/solve/solve_texts.h"
#include "tests/solve/solve_support.h"
#include "ui/form.h"

namespace {

using namespace solve;

// The multiplication row `Label1(9..15)`, or the division row `Label1(0..8)` followed by the
// reciprocal `Label1(20..21)`.
Row productRow(const QWidget& screen) { return shownRow(screen, 9, 15); }
Row quotientRow(const QWidget& screen) {
    Row row = shownRow(screen, 0, 8);
    for (const std::string& caption : shownRow(screen, 20, 21))
        row.push_back(caption);
    return row;
}

struct Example {
    std::array<const char*, 4> problem;
    Row row;
    std::vector<int> signs;
};

void PrintTo(const Example& e, std::ostream* os) {
    *os << e.problem[0] << "/" << e.problem[1] << " " << e.problem[2] << "/" << e.problem[3];
}

class Products : public testing::TestWithParam<Example> {};

TEST_P(Products, ShowTheirRowOfSteps) {
    ui::Form& screen = driver::open("frmqad");
    typeProblem(screen, "Text1", GetParam().problem);
    press(screen, "Command2");
    EXPECT_EQ(productRow(screen), GetParam().row);
    EXPECT_EQ(quotientRow(screen), Row(11, ""));
    EXPECT_EQ(shownSigns(screen), GetParam().signs);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, Products,
    testing::Values(
        Example{{"2", "3", "3", "4"}, {"2  ×  3", "3  ×  4", "6", "12", "1", "2", ""}, {0, 5, 6, 7, 8, 10}},
        Example{
            {"4", "1", "3", "2"}, {"4  ×  3", "1  ×  2", "12", "2", "6", "1", "6"}, {0, 5, 6, 7, 8, 9, 10}},
        // Reduced by the greatest common divisor, 202.
        Example{{"2", "4", "101", "101"},
                {"2  ×  101", "4  ×  101", "202", "404", "1", "2", ""},
                {0, 5, 6, 7, 8, 10}},
        Example{{"-2", "3", "4", "5"}, {"(-2)  ×  4", "3  ×  5", "-8", "15", "", "", ""}, {0, 5, 6, 7, 10}},
        // N = 0 under the numerator test: the reduction is dropped.
        Example{{"0", "5", "3", "4"}, {"0  ×  3", "5  ×  4", "0", "20", "", "", "0"}, {0, 5, 6, 7, 9, 10}}));

class Quotients : public testing::TestWithParam<Example> {};

TEST_P(Quotients, ShowTheirRowOfSteps) {
    ui::Form& screen = driver::open("frmqad");
    typeProblem(screen, "Text3", GetParam().problem);
    press(screen, "Command1");
    EXPECT_EQ(quotientRow(screen), GetParam().row);
    EXPECT_EQ(productRow(screen), Row(7, ""));
    EXPECT_EQ(shownSigns(screen), GetParam().signs);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, Quotients,
    testing::Values(Example{{"1", "2", "3", "4"},
                            {"1 × 4", "2 × 3", "4", "6", "2", "3", "", "1", "2", "4", "3"},
                            {0, 1, 2, 3, 5, 6, 10, 11}},
                    // N = 0 under the denominator test: the reduced step 0/1 stays.
                    Example{{"0", "5", "3", "4"},
                            {"0 × 4", "5 × 3", "0", "15", "0", "1", "0", "0", "5", "4", "3"},
                            {0, 1, 2, 3, 4, 5, 6, 10, 11}},
                    // A negative second numerator makes a negative denominator product, sign and all.
                    Example{{"1", "3", "-2", "1"},
                            {"1 × 1", "3 × (-2)", "1", "-6", "", "", "", "1", "3", "1", "(-2)"},
                            {0, 1, 2, 5, 6, 10, 11}}));

TEST(MultiplyDivideScreen, TheTwoProblemsAreIndependent) {
    ui::Form& screen = driver::open("frmqad");
    typeProblem(screen, "Text1", {"2", "3", "3", "4"});
    press(screen, "Command2");
    typeProblem(screen, "Text3", {"1", "2", "3", "4"});
    EXPECT_EQ(productRow(screen)[4], "1");
    press(screen, "Command1");
    driver::overtype(solve::field(screen, "Text1", 0), "5");
    EXPECT_EQ(productRow(screen), Row(7, ""));
    EXPECT_EQ(quotientRow(screen)[4], "2");
    EXPECT_EQ(text(screen, "Label7"), solve::kPressPrompt);
}

// The reciprocal is written as soon as the second fraction changes, before any solve.
TEST(MultiplyDivideScreen, TheSecondFractionIsTurnedOverAsItIsTyped) {
    ui::Form& screen = driver::open("frmqad");
    driver::overtype(solve::field(screen, "Text3", 2), "-5");
    driver::overtype(solve::field(screen, "Text3", 3), "7");
    EXPECT_EQ(text(screen, "Label1(20)"), "7");
    EXPECT_EQ(text(screen, "Label1(21)"), "(-5)");
    EXPECT_TRUE(solve::box(screen, 20).isHidden());
}

struct Refusal {
    const char* fields;
    int index;
    const char* typed;
    const char* message; // nullptr when the zero is accepted
    std::array<const char*, 4> after;
};

TEST(MultiplyDivideScreen, ZerosWhereTheyHaveNoMeaningAreRefused) {
    const char* noInverse = "لا يمكن وضع  صفر هنا  لعدم وجود معكوس ضربي للصفر ";
    const Refusal refusals[] = {
        {"Text3", 2, "0", noInverse, {"3", "5", "1", "7"}},
        {"Text3", 0, "0", nullptr, {"0", "5", "2", "7"}},
        {"Text3", 3, "0", solve::kZeroDenominator, {"3", "1", "2", "1"}},
        {"Text1", 1, "-0", solve::kZeroDenominator, {"3", "1", "2", "1"}},
        {"Text3", 2, "-", nullptr, {"3", "5", "-", "7"}},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(std::string(r.fields) + " " + r.typed);
        ui::Form& screen = driver::open("frmqad");
        typeProblem(screen, r.fields, {"3", "5", "2", "7"});
        driver::MessageBoxes boxes;
        driver::overtype(solve::field(screen, r.fields, r.index), r.typed);
        ASSERT_EQ(boxes.seen().size(), r.message ? 1U : 0U);
        if (r.message) {
            EXPECT_EQ(boxes.seen()[0].title, "تنبيه ");
            EXPECT_EQ(boxes.seen()[0].text, r.message);
        }
        for (int index = 0; index < 4; ++index)
            EXPECT_EQ(driver::textOf(solve::field(screen, r.fields, index)), r.after[index]) << index;
        screen.unload();
        driver::settle();
    }
}

TEST(MultiplyDivideScreen, OnlyTheDivisionFieldsAreLimitedToFourCharacters) {
    ui::Form& screen = driver::open("frmqad");
    driver::overtype(solve::field(screen, "Text3", 0), "123456");
    driver::overtype(solve::field(screen, "Text1", 0), "123456");
    EXPECT_EQ(text(screen, "Text3(0)"), "1234");
    EXPECT_EQ(text(screen, "Text1(0)"), "123456");
}

TEST(MultiplyDivideScreen, StepsExplainThemselvesAndReopeningRestoresTheirTooltips) {
    ui::Form& screen = driver::open("frmqad");
    typeProblem(screen, "Text3", {"1", "2", "3", "4"});
    press(screen, "Command1");
    driver::click(solve::box(screen, 21));
    EXPECT_EQ(text(screen, "Label7"), "المعكوس الضربي للكسر الثاني");
    driver::click(solve::box(screen, 5));
    EXPECT_EQ(text(screen, "Label7"), std::string(solve::kReducedBy) + "2");
    typeProblem(screen, "Text1", {"2", "4", "101", "101"});
    press(screen, "Command2");
    EXPECT_EQ(solve::tooltip(solve::box(screen, 13)), std::string(solve::kReducedBy) + "202");
    press(screen, "Command9");
    driver::settle();
    ui::Form& reopened = driver::open("frmqad");
    EXPECT_EQ(solve::tooltip(solve::box(reopened, 13)), "اختصار");
    EXPECT_EQ(solve::tooltip(solve::box(reopened, 5)), "الاختصار");
    EXPECT_EQ(text(reopened, "Text3(0)"), "1");
    // The divisor is written out in full, however large.
    EXPECT_EQ(screens::texts::reductionTooltip(6), "بقسمة البسط والمقام على  6");
    EXPECT_EQ(screens::texts::reductionTooltip(202), "بقسمة البسط والمقام على  202");
    EXPECT_EQ(screens::texts::reductionTooltip(4503599627370496),
              "بقسمة البسط والمقام على  4503599627370496");
}

// Products beyond the range of a double have no number text: their steps are left out, and no
// reduction or whole number is made up from them.
TEST(MultiplyDivideScreen, ProductsBeyondTheRangeOfADoubleLeaveTheirStepsOut) {
    ui::Form& screen = driver::open("frmqad");
    const std::string googol = "1" + std::string(200, '0');
    typeProblem(screen, "Text1", {googol.c_str(), "3", googol.c_str(), "4"});
    press(screen, "Command2");
    const Row row = productRow(screen);
    EXPECT_EQ(Row(row.begin() + 2, row.end()), (Row{"", "12", "", "", ""}));
    EXPECT_EQ(shownSigns(screen), (std::vector<int>{0, 5, 6, 10}));
}

} // namespace
