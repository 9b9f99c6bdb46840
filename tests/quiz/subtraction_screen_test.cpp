// The subtraction test `frmqm`: its opening state, the every-fourth gate, clear and the Enter key.
#include <QApplication>

#include <gtest/gtest.h>

#include "tests/quiz/screen_driver.h"

namespace {

using namespace screen;

TEST(SubtractionTest, OpensWithTheReducedPairOfItsLowerStartProblemShown) {
    ui::Form& form = openStill("frmqm");
    EXPECT_EQ(form.windowTitle(), "طرح الاعداد النسبية");
    const std::pair<int, const char*> labels[] = {
        {21, "4"}, {20, "7"},    {19, "1"}, {18, "7"}, {13, "3"}, {14, "7"}, {0, "4"},  {1, "5"}, {2, "3"},
        {3, "6"},  {4, "24-15"}, {5, "30"}, {6, "9"},  {7, "30"}, {8, "3"},  {9, "10"}, {10, ""}};
    for (const auto& [index, text] : labels)
        EXPECT_EQ(caption(form, "Label1", index), text) << index;
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(box(form, i).maxLength(), 4) << i;
        EXPECT_EQ(box(form, i).isVisible(), i <= 3 || i >= 8) << i;
    }
    EXPECT_TRUE(shown(form, "Label2", 2));
    EXPECT_FALSE(shown(form, "Label2", 3));
    EXPECT_EQ(caption(form, "Label2", 0), "-");
    EXPECT_TRUE(driver::find(form, "Command6").isVisible());
    EXPECT_FALSE(driver::find(form, "Command5").isVisible());
    EXPECT_EQ(driver::find(form, "Command2").toolTip(), "اضغط لتغيير السؤال");
}

TEST(SubtractionTest, StarsComeOnlyWhenTheAttemptCountIsAMultipleOfFour) {
    ui::Form& form = openStill("frmqm");
    answer(form, {{0, "9"}, {1, "30"}, {2, "3"}, {3, "10"}});
    press(form, "Command3");
    EXPECT_EQ(score(form), "2/2");
    EXPECT_TRUE(litStars(form).empty()); // the attempt count was 1 and 1.5

    setCounters(form, 0, 0);
    press(form, "Command2"); // 7/9 - 4/18 = 90/162, reduced 5/9
    std::vector<std::string> starsAt;
    form.onChange("Label4", [&](int) {
        if (!litStars(form).empty() && starsAt.empty())
            starsAt.push_back(score(form));
    });
    answer(form, {{0, "90"}, {1, "162"}, {2, "-5"}, {3, "9"}});
    press(form, "Command3");
    EXPECT_EQ(score(form), "4/4");
    EXPECT_EQ(litStars(form), std::vector<int>{0});
    EXPECT_EQ(starsAt, std::vector<std::string>{"4/4"}); // lit at the third step, attempt count 3.5

    press(form, "Command4");
    EXPECT_EQ(score(form), "0/0");
    EXPECT_TRUE(litStars(form).empty());
}

// Enter never throws a typed answer away: it makes a new upper problem only while the upper answer
// boxes are empty, wherever the caret is.
TEST(SubtractionTest, EnterMakesANewUpperProblemAtLevelTwoOnlyWhileItsBoxesAreEmpty) {
    ui::Form& form = openStill("frmqm");
    setCounters(form, 123, 45);
    driver::click(box(form, 9));
    driver::key(box(form, 9), Qt::Key_Return);
    EXPECT_EQ(caption(form, "Label1", 21), "4"); // the start problem stays
    EXPECT_EQ(caption(form, "Label1", 19), "1");

    press(form, "Option2");
    const std::string problem = caption(form, "Label1", 19);
    setCounters(form, 123, 45);
    answer(form, {{9, "7"}});
    driver::key(box(form, 9), Qt::Key_Return);
    driver::click(box(form, 0));
    driver::key(box(form, 0), Qt::Key_Return);
    EXPECT_EQ(caption(form, "Label1", 19), problem);
    EXPECT_EQ(box(form, 9).text(), "7");

    answer(form, {{9, ""}});
    driver::key(box(form, 9), Qt::Key_Backspace);
    driver::key(box(form, 9), Qt::Key_Return);
    EXPECT_EQ(caption(form, "Label1", 19), "14"); // 4/5 - 14/5
}

} // namespace
