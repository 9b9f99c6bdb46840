// What the three worked-solution screens share in their look: captions within their boxes and the
// tab order.
#include <gtest/gtest.h>

#include "tests/solve/solve_support.h"
#include "ui/form.h"

namespace {

struct Screen {
    const char* name;
    std::vector<const char*> tabOrder; // from the first field, disabled buttons left out
};

void PrintTo(const Screen& s, std::ostream* os) { *os << s.name; }

class SolutionScreens : public testing::TestWithParam<Screen> {};

TEST_P(SolutionScreens, EveryCaptionFitsItsBox) {
    ui::Form& screen = driver::open(GetParam().name);
    for (const QLabel* label : screen.findChildren<QLabel*>())
        EXPECT_TRUE(solve::captionFits(*label)) << label->objectName().toStdString();
    for (const QPushButton* button : screen.findChildren<QPushButton*>())
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width())
            << button->objectName().toStdString();
}

TEST_P(SolutionScreens, TabWalksTheFieldsAndButtonsInTheirOrder) {
    driver::open(GetParam().name);
    for (const char* expected : GetParam().tabOrder) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), expected);
        driver::key(*QApplication::focusWidget(), Qt::Key_Tab);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, SolutionScreens,
    testing::Values(Screen{"frmqaa",
                           {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Command1", "Text2(0)",
                            "Text2(1)", "Text2(2)", "Command9", "Command8", "Text1(0)"}},
                    Screen{"frmqam",
                           {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text2(1)", "Text2(0)",
                            "Command1", "Text2(2)", "Command9", "Command8", "Text1(0)"}},
                    Screen{"frmqad",
                           {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Command2", "Text2(0)",
                            "Text2(1)", "Text2(2)", "Text3(0)", "Text3(1)", "Text3(2)", "Text3(3)",
                            "Command1", "Command9", "Command8", "Text1(0)"}}));

} // namespace
