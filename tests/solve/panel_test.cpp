// The mixed-number panel, the same on the three worked-solution screens but for its reset value.
#include <gtest/gtest.h>

#include <set>

#include "tests/solve/solve_support.h"
#include "ui/form.h"

namespace {

using solve::text;
using Fraction = std::pair<std::string, std::string>;

struct PanelScreen {
    const char* screen;
    const char* denominatorReset;
    const char* resetNumerator; // 3 1/2 with the reset denominator
    int maxLength;              // 0 for no limit
};

void PrintTo(const PanelScreen& p, std::ostream* os) { *os << p.screen; }

class Panel : public testing::TestWithParam<PanelScreen> {
  protected:
    ui::Form& open() { return driver::open(GetParam().screen); }
    static QLineEdit& field(const QWidget& screen, int index) { return solve::field(screen, "Text2", index); }
    static Fraction result(const QWidget& screen) { return {text(screen, "Label4"), text(screen, "Label5")}; }
};

// One field overtyped from the example 3 1/2, and the fraction shown then.
struct Conversion {
    int field;
    const char* typed;
    const char* numerator;
    const char* denominator;
};

TEST_P(Panel, ShowsTheMixedNumberAsOneFraction) {
    const Conversion conversions[] = {
        {2, "5", "11", "2"},  {1, "4", "13", "4"}, {0, "-1", "-7", "2"},
        {2, "-3", "-5", "2"}, {0, "0", "6", "2"}, // a zero numerator gives d·w over d
    };
    for (const Conversion& c : conversions) {
        SCOPED_TRACE(c.typed);
        ui::Form& screen = open();
        EXPECT_EQ(result(screen), Fraction("7", "2"));
        driver::overtype(field(screen, c.field), c.typed);
        EXPECT_EQ(result(screen), Fraction(c.numerator, c.denominator));
        screen.unload();
        driver::settle();
    }
    // A negative numerator makes the whole mixed number negative, whatever the whole part's sign:
    // -3 and -1/2 is -(3 1/2), not -(2·(-3) + 1).
    ui::Form& screen = open();
    driver::overtype(field(screen, 2), "-3");
    driver::overtype(field(screen, 0), "-1");
    EXPECT_EQ(result(screen), Fraction("-7", "2"));
}

TEST_P(Panel, RefusesAZeroOrNegativeDenominatorAndRecomputesWithTheResetValue) {
    for (const char* typed : {"0", "-3"}) {
        SCOPED_TRACE(typed);
        ui::Form& screen = open();
        driver::MessageBoxes boxes;
        driver::overtype(field(screen, 1), typed);
        ASSERT_EQ(boxes.seen().size(), 1U);
        EXPECT_EQ(boxes.seen()[0].title, "تنبيه");
        EXPECT_EQ(boxes.seen()[0].text, "المقام لايساوي صفر وأيضا غير سالب");
        EXPECT_EQ(driver::textOf(field(screen, 1)), GetParam().denominatorReset);
        const double reset = std::stod(GetParam().denominatorReset);
        EXPECT_EQ(result(screen),
                  std::pair(std::to_string(int(3 * reset + 1)), std::string(GetParam().denominatorReset)));
        screen.unload();
        driver::settle();
    }
}

// While the denominator is being retyped it may be empty for a moment: nothing is refused and the
// last result stays.
TEST_P(Panel, AnEmptyFieldLeavesTheResultAsItWas) {
    ui::Form& screen = open();
    driver::MessageBoxes boxes;
    driver::overtype(field(screen, 1), "");
    driver::key(field(screen, 1), Qt::Key_Backspace);
    driver::overtype(field(screen, 0), "-");
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(result(screen), Fraction("7", "2"));
}

TEST_P(Panel, TheFocusedFieldAloneIsFramedAndTheBackgroundTakesTheFramesOff) {
    ui::Form& screen = open();
    const std::string explanation = text(screen, "Label7");
    for (int index : {0, 1, 2})
        EXPECT_FALSE(field(screen, index).hasFrame());
    driver::click(field(screen, 2));
    EXPECT_EQ(field(screen, 2).selectedText(), "3");
    EXPECT_EQ(text(screen, "Label7"), explanation);
    EXPECT_TRUE(field(screen, 2).hasFrame());
    EXPECT_FALSE(field(screen, 0).hasFrame());
    driver::click(driver::find(screen, "Label6"));
    EXPECT_EQ(QApplication::focusWidget(), &field(screen, 0));
    EXPECT_TRUE(field(screen, 0).hasFrame());
    EXPECT_FALSE(field(screen, 2).hasFrame());
    driver::clickAt(screen, QPoint(5, 5));
    for (int index : {0, 1, 2})
        EXPECT_FALSE(field(screen, index).hasFrame());
    EXPECT_EQ(text(screen, "Label7"), solve::kBackgroundPrompt);
}

TEST_P(Panel, TabIntoAFieldFramesItAndSelectsNothing) {
    ui::Form& screen = open();
    std::set<int> reached;
    for (int step = 0; step < 50 && reached.size() < 3; ++step) {
        driver::key(*QApplication::focusWidget(), Qt::Key_Tab);
        for (int index : {0, 1, 2}) {
            if (QApplication::focusWidget() != &field(screen, index))
                continue;
            reached.insert(index);
            EXPECT_TRUE(field(screen, index).hasFrame()) << index;
            EXPECT_EQ(field(screen, index).selectedText(), "") << index;
        }
    }
    EXPECT_EQ(reached.size(), 3U);
}

TEST_P(Panel, FieldsAreLimitedAsTheScreenSays) {
    ui::Form& screen = open();
    driver::overtype(field(screen, 2), "123456");
    EXPECT_EQ(driver::textOf(field(screen, 2)), GetParam().maxLength ? "123" : "123456");
}

INSTANTIATE_TEST_SUITE_P(Screens, Panel,
                         testing::Values(PanelScreen{"frmqaa", "1", "4", 3},
                                         PanelScreen{"frmqam", "2", "7", 3},
                                         PanelScreen{"frmqad", "1", "4", 0}));

} // namespace
