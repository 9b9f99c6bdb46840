// The mixed exercises screen driven as a pupil would: typed answers, clicks and keys.
#include <QApplication>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/driver.h"
#include "ui/form.h"

namespace {

class MixedScreen : public testing::Test {
  protected:
    void SetUp() override { screen_ = &driver::open("frmqo"); }
    void reopen() {
        screen_->unload();
        driver::settle();
        screen_ = &driver::open("frmqo");
    }

    QWidget& widget(const std::string& name) const {
        return driver::find(*screen_, QString::fromStdString(name));
    }
    std::string text(const std::string& name) const { return driver::textOf(widget(name)); }
    bool shown(const std::string& name) const { return ui::shown(widget(name)); }
    bool enabled(const std::string& name) const { return widget(name).isEnabled(); }
    void type(const std::string& box, const std::string& typed) {
        driver::overtype(widget(box), QString::fromStdString(typed));
    }
    void press(const std::string& button) { driver::click(widget(button)); }
    std::string fraction(const std::string& numerator, const std::string& denominator) const {
        return text(numerator) + "/" + text(denominator);
    }
    // Earned/possible of exercises 1, 2, 3 and the total.
    std::vector<std::string> scores() const {
        return {fraction("Label15", "Label16"), fraction("Label17", "Label18"),
                fraction("Label19", "Label20"), fraction("Label21", "Label22")};
    }
    std::set<int> shownPictures() const {
        std::set<int> pictures;
        for (int i = 0; i <= 60; ++i)
            if (shown("Image1(" + std::to_string(i) + ")"))
                pictures.insert(i);
        return pictures;
    }
    // Types the answer the screen expects for exercise 1 and marks it.
    void answerMixedNumberRight() {
        type("Text2(0)", text("Label4"));
        type("Text2(1)", text("Label5"));
        press("Command1");
        press("Command2");
    }

    ui::Form* screen_ = nullptr;
};

TEST_F(MixedScreen, OpensAtTheFirstQuestionsWithEverythingHidden) {
    EXPECT_EQ(driver::textOf(*screen_), "اسئلة منوعة");
    EXPECT_EQ(screen_->size(), QSize(ui::pixels(11880), ui::pixels(8490)));
    EXPECT_EQ(QApplication::focusWidget(), &widget("Text2(1)"));
    EXPECT_EQ(text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)"), "2 1/3");
    EXPECT_EQ(fraction("Label7(0)", "Label7(1)"), "10/15");
    EXPECT_EQ(fraction("Label14(0)", "Label14(1)"), "5/3");
    EXPECT_EQ(scores(), (std::vector<std::string>{"0/0", "0/0", "0/0", "0/0"}));
    EXPECT_TRUE(shownPictures().empty());
    for (const char* answer : {"Label4", "Label5", "Line2", "Shape2", "Label8", "Label9", "Shape4", "Shape5",
                               "Label12(0)", "Label13(1)", "Label3(3)", "Text3(2)"})
        EXPECT_FALSE(shown(answer)) << answer;
    for (const char* button : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"})
        EXPECT_TRUE(enabled(button)) << button;
    EXPECT_EQ(widget("Command2").toolTip().toStdString(), "اضغط لتغيير السؤال");
}

TEST_F(MixedScreen, WidgetsStandWhereTheyWereDrawn) {
    const struct {
        const char* name;
        int left, top, width, height;
    } rows[] = {
        {"Label21", 360, 1080, 1515, 555},   {"Label18", 2520, 4200, 1095, 435},
        {"Text3(4)", 7200, 6600, 915, 555},  {"Command11", 10080, 0, 1635, 555},
        {"Command10", 420, 7200, 1335, 675}, {"Image1(22)", 120, 2340, 480, 480},
        {"Image1(0)", 4080, 1200, 240, 225}, {"Image1(30)", 4200, 6660, 240, 225},
        {"Shape5", 4920, 6000, 2115, 1215},
    };
    for (const auto& row : rows)
        EXPECT_EQ(widget(row.name).geometry(), QRect(ui::pixels(row.left), ui::pixels(row.top),
                                                     ui::pixels(row.width), ui::pixels(row.height)))
            << row.name;
}

TEST_F(MixedScreen, TheTotalsStarsLieInRowsAtTheLeftApartFromEachOtherAndTheSun) {
    const QRect area(ui::pixels(60), ui::pixels(2460), ui::pixels(2400 - 60), ui::pixels(3525 + 225 - 2460));
    std::vector<QRect> taken{widget("Image1(22)").geometry()};
    for (int i = 31; i <= 60; ++i) {
        const QRect star = widget("Image1(" + std::to_string(i) + ")").geometry();
        EXPECT_TRUE(area.contains(star)) << i;
        for (const QRect& other : taken)
            EXPECT_FALSE(star.intersects(other)) << i;
        taken.push_back(star);
    }
}

TEST_F(MixedScreen, TabWalksTheAnswerBoxesFromEachDenominator) {
    for (const char* box :
         {"Text2(0)", "Text1(1)", "Text1(0)", "Text3(1)", "Text3(0)", "Text3(4)", "Text3(3)"}) {
        driver::key(*QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &widget(box)) << box;
    }
}

TEST_F(MixedScreen, AnswerBoxesKeepOnlyNumbersAndSelectTheirTextOnFocus) {
    type("Text3(0)", "12");
    EXPECT_EQ(text("Text3(0)"), "12");
    driver::type(widget("Text3(0)"), "a");
    EXPECT_EQ(text("Text3(0)"), "");
    type("Text1(1)", "-");
    EXPECT_EQ(text("Text1(1)"), "-");
    driver::type(widget("Text1(1)"), "5");
    EXPECT_EQ(text("Text1(1)"), "-5");
    driver::key(widget("Text1(1)"), Qt::Key_Tab, Qt::ShiftModifier);
    driver::key(*QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(driver::find<QLineEdit>(*screen_, "Text1(1)").selectedText(), "-5");
}

// Enter changes the first question only while its own answer boxes are empty.
TEST_F(MixedScreen, EnterInAnAnswerBoxChangesTheFirstQuestionUnlessItsAnswerIsTyped) {
    const std::string first = text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)");
    type("Text2(1)", "4");
    driver::key(widget("Text2(1)"), Qt::Key_Return);
    EXPECT_EQ(text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)"), first);
    EXPECT_EQ(text("Text2(1)"), "4");

    type("Text2(1)", "");
    driver::key(widget("Text2(1)"), Qt::Key_Backspace);
    type("Text3(0)", "4");
    driver::key(widget("Text3(0)"), Qt::Key_Return);
    EXPECT_EQ(text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)"), "3 2/4");
    EXPECT_EQ(text("Text3(0)"), "4");
}

TEST_F(MixedScreen, MixedNumberCheckedRightAtOpeningEarnsTwoAndTheFirstStar) {
    type("Text2(0)", "7");
    type("Text2(1)", "3");
    press("Command1");
    EXPECT_EQ(scores(), (std::vector<std::string>{"2/2", "0/0", "0/0", "2/2"}));
    EXPECT_EQ(shownPictures(), (std::set<int>{0}));
    EXPECT_TRUE(shown("Label4") && shown("Label5") && shown("Line2") && shown("Shape2"));
    EXPECT_FALSE(enabled("Command1"));
    // A marked question's check button greys its caption.
    const QPalette& palette = widget("Command1").palette();
    EXPECT_NE(palette.color(QPalette::Disabled, QPalette::ButtonText),
              palette.color(QPalette::Active, QPalette::ButtonText));

    press("Command2");
    EXPECT_FALSE(shown("Label4"));
    EXPECT_EQ(text("Text2(0)"), "");
    EXPECT_TRUE(enabled("Command1"));
}

TEST_F(MixedScreen, MixedNumberWithAnEmptyBoxIsWrongInBoth) {
    type("Text2(0)", "7");
    press("Command1");
    EXPECT_EQ(scores(), (std::vector<std::string>{"0/2", "0/0", "0/0", "0/2"}));
}

TEST_F(MixedScreen, MixedNumberWithANegativeNumeratorExpectsANegativeFraction) {
    for (int press = 0; press < 8; ++press)
        this->press("Command2");
    EXPECT_EQ(text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)"), "4 -5/2");
    type("Text2(0)", "13");
    type("Text2(1)", "-2");
    press("Command1");
    EXPECT_EQ(fraction("Label4", "Label5"), "-13/2");
    EXPECT_EQ(scores()[0], "0/2");
}

TEST_F(MixedScreen, SimplestFormMarks) {
    const struct {
        const char *numerator, *denominator, *score;
    } rows[] = {
        {"2", "3", "2/2"}, {"4", "6", "1/2"}, {"10", "15", "0/2"}, {"20", "30", "0/2"}, {"2", "0", "0/2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.numerator) + "/" + row.denominator);
        type("Text1(0)", row.numerator);
        type("Text1(1)", row.denominator);
        press("Command4");
        EXPECT_EQ(scores()[1], row.score);
        EXPECT_EQ(text("Label22"), "2");
        EXPECT_TRUE(shown("Label8") && shown("Shape4"));
        EXPECT_FALSE(enabled("Command4"));
        reopen();
    }
}

TEST_F(MixedScreen, SimplestFormAfterATooLargeQuestionTakesAHundredOff) {
    for (int press = 0; press < 9; ++press)
        this->press("Command3");
    EXPECT_EQ(fraction("Label7(0)", "Label7(1)"), "10/110");
    press("Command4");
    EXPECT_EQ(fraction("Label8", "Label9"), "1/11");
    EXPECT_EQ(text("Text3(2)"), "2");
}

TEST_F(MixedScreen, EqualFractionsMarks) {
    const struct {
        const char *first, *firstDenominator, *second, *secondDenominator;
        const char* score;
        const char *firstShown, *secondShown;
    } rows[] = {
        {"10", "6", "15", "9", "2/2", "10/6", "15/9"}, {"5", "3", "10", "6", "1/2", "20/12", "10/6"},
        {"15", "9", "", "", "1/2", "15/9", "30/18"},   {"10", "6", "10", "6", "2/2", "20/12", "10/6"},
        {"7", "0", "4", "3", "0/2", "10/6", "15/9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.first) + "/" + row.firstDenominator + ", " + row.second);
        type("Text3(0)", row.first);
        type("Text3(1)", row.firstDenominator);
        type("Text3(3)", row.second);
        type("Text3(4)", row.secondDenominator);
        press("Command6");
        EXPECT_EQ(scores()[2], row.score);
        EXPECT_EQ(fraction("Label12(0)", "Label12(1)"), row.firstShown);
        EXPECT_EQ(fraction("Label13(0)", "Label13(1)"), row.secondShown);
        EXPECT_TRUE(shown("Label12(0)") && shown("Label13(0)") && shown("Label3(4)") && shown("Shape5"));
        reopen();
    }
}

TEST_F(MixedScreen, GivenFractionsWrapToOneTenthAndShowTheirDoubleAndTriple) {
    for (int press = 0; press < 7; ++press)
        this->press("Command5");
    EXPECT_EQ(fraction("Label14(0)", "Label14(1)"), "1/10");
    EXPECT_EQ(fraction("Label12(0)", "Label12(1)"), "2/20");
    EXPECT_EQ(fraction("Label13(0)", "Label13(1)"), "3/30");
}

TEST_F(MixedScreen, ANewGivenFractionAlwaysShowsItsDoubleAndTriple) {
    // 2/11 leaves 6 as the second numerator, and 3/12 then writes 6 as the first one on its way.
    for (int press = 0; press < 11; ++press) {
        this->press("Command5");
        const int a = std::stoi(text("Label14(0)"));
        const int b = std::stoi(text("Label14(1)"));
        EXPECT_EQ(fraction("Label12(0)", "Label12(1)"), std::to_string(2 * a) + "/" + std::to_string(2 * b));
        EXPECT_EQ(fraction("Label13(0)", "Label13(1)"), std::to_string(3 * a) + "/" + std::to_string(3 * b));
    }
}

TEST_F(MixedScreen, TheSunAtFourTheNextStarAtEight) {
    answerMixedNumberRight();
    EXPECT_EQ(shownPictures(), (std::set<int>{0}));
    answerMixedNumberRight();
    EXPECT_EQ(text("Label21"), "4");
    EXPECT_EQ(shownPictures(), (std::set<int>{0, 1, 2, 22}));
    answerMixedNumberRight();
    answerMixedNumberRight();
    EXPECT_EQ(text("Label21"), "8");
    EXPECT_EQ(shownPictures(), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 22, 31}));
}

TEST_F(MixedScreen, ATotalJumpingOverFourShowsNothing) {
    type("Text2(0)", "7");
    type("Text2(1)", "4");
    press("Command1");
    type("Text3(0)", "10");
    type("Text3(1)", "6");
    type("Text3(3)", "15");
    type("Text3(4)", "9");
    press("Command6");
    EXPECT_EQ(text("Label21"), "3");
    type("Text1(0)", "2");
    type("Text1(1)", "3");
    press("Command4");
    EXPECT_EQ(text("Label21"), "5");
    EXPECT_TRUE(shownPictures().empty());
}

TEST_F(MixedScreen, FourFifthsExactlyEarnsNoStar) {
    type("Text2(0)", "7"); // numerator right, denominator wrong: 1 of 2
    type("Text2(1)", "4");
    press("Command1");
    press("Command2");
    answerMixedNumberRight(); // 3 of 4, stars at 2/2 and 3/3
    type("Text2(0)", "1");    // 23/5: denominator right only, raised to 4 over 5
    type("Text2(1)", "5");
    press("Command1");
    EXPECT_EQ(scores()[0], "4/6");
    EXPECT_EQ(shownPictures(), (std::set<int>{0, 1, 22}));
}

TEST_F(MixedScreen, AFullPyramidStaysAsItIs) {
    for (int check = 0; check < 6; ++check)
        answerMixedNumberRight();
    EXPECT_EQ(shownPictures(), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 22, 31, 32}));
    answerMixedNumberRight();
    EXPECT_EQ(scores()[0], "14/14");
    EXPECT_EQ(shownPictures(), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 22, 31, 32}));
}

TEST_F(MixedScreen, MarksMarkEveryOpenQuestionOnceAsWrong) {
    press("Command7");
    EXPECT_EQ(scores(), (std::vector<std::string>{"0/2", "0/2", "0/2", "0/6"}));
    for (const char* answer : {"Label4", "Label8", "Label12(0)", "Label13(1)", "Shape5"})
        EXPECT_TRUE(shown(answer)) << answer;
    for (const char* check : {"Command1", "Command4", "Command6"})
        EXPECT_FALSE(enabled(check)) << check;
    press("Command7");
    EXPECT_EQ(scores(), (std::vector<std::string>{"0/2", "0/2", "0/2", "0/6"}));
}

TEST_F(MixedScreen, ClearingTheMarksShowsTheSunAndKeepsTheQuestions) {
    answerMixedNumberRight();
    type("Text1(0)", "2");
    type("Text3(0)", "10");
    press("Command8");
    EXPECT_EQ(scores(), (std::vector<std::string>{"0/0", "0/0", "0/0", "0/0"}));
    EXPECT_EQ(shownPictures(), (std::set<int>{22}));
    EXPECT_EQ(text("Text1(0)") + text("Text3(0)"), "");
    EXPECT_EQ(text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)"), "3 2/4");
    EXPECT_TRUE(enabled("Command1"));
    answerMixedNumberRight();
    EXPECT_EQ(scores()[0], "2/2");
}

TEST_F(MixedScreen, ChangingAllQuestionsReopensThemAndKeepsTheMarks) {
    press("Command7");
    press("Command11");
    EXPECT_EQ(text("Label1(2)") + " " + fraction("Label1(0)", "Label1(1)"), "3 2/4");
    EXPECT_EQ(fraction("Label7(0)", "Label7(1)"), "6/10");
    EXPECT_EQ(fraction("Label14(0)", "Label14(1)"), "6/4");
    for (const char* check : {"Command1", "Command4", "Command6"})
        EXPECT_TRUE(enabled(check)) << check;
    for (const char* answer : {"Label4", "Label8", "Label12(0)"})
        EXPECT_FALSE(shown(answer)) << answer;
    EXPECT_EQ(scores(), (std::vector<std::string>{"0/2", "0/2", "0/2", "0/6"}));
}

} // namespace
