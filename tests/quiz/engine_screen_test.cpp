// What every test screen does alike, driven through the addition and the subtraction test: the answer
// boxes, the levels, new problems, evaluating empty boxes, clear, the tick counters and the stars.
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "screens/quiz/quiz_screen.h"
#include "tests/quiz/screen_driver.h"

namespace {

using namespace screen;

struct ScreenCase {
    const char* name;
    const char* upperNew[2]; // level 1, level 2
    const char* lowerNew[2];
    const char* level1Firsts[2]; // Label1(21) and Label1(0) of level-1 problems at counters 0, 0
    const char* lowerSeconds[2]; // Label1(2) of level-1 lower problems at counters 3, 17 and 3, 18
    const char* emptyLowerStart; // attempts after evaluating the lower start problem left empty
    bool clearHidesStars;
    const char* gatePassingAttempts; // an attempt count at which a right step may light a star
    QRect chain;                     // the region of the curved chain of stars, in pixels
};

const ScreenCase kScreens[] = {
    {"frmaddq",
     {"Command5", "Command6"},
     {"Command2", "Command1"},
     {"1", "2"},
     {"8", "9"},
     "1",
     false,
     "1",
     QRect(36, 272, 156, 179)},
    {"frmqm",
     {"Command6", "Command5"},
     {"Command2", "Command1"},
     {"7", "7"},
     {"3", "4"},
     "2",
     true,
     "4",
     QRect(48, 280, 156, 179)},
};

class EveryTestScreen : public testing::TestWithParam<ScreenCase> {};

TEST_P(EveryTestScreen, AnswerBoxesKeepOnlyNumbersAndSelectOnEntry) {
    ui::Form& form = openStill(GetParam().name);
    QLineEdit& numerator = box(form, 9);
    answer(form, {{9, "12"}});
    EXPECT_EQ(numerator.text(), "12");
    driver::type(numerator, "a");
    EXPECT_EQ(numerator.text(), "");
    driver::type(numerator, "-");
    EXPECT_EQ(numerator.text(), "-");
    driver::type(numerator, "5");
    EXPECT_EQ(numerator.text(), "-5");
    driver::type(numerator, "٣");
    EXPECT_EQ(numerator.text(), "-53");
    driver::click(box(form, 8));
    driver::click(numerator);
    EXPECT_EQ(numerator.selectedText(), "-53");
}

TEST_P(EveryTestScreen, LevelOptionsServeTheUpperPanelFirstAndSwapTheNewButtons) {
    const ScreenCase& c = GetParam();
    ui::Form& form = openStill(c.name);
    setCounters(form, 0, 0);
    std::vector<int> written;
    form.onChange("Label1", [&written](int index) { written.push_back(index); });
    press(form, "Option2");
    ASSERT_FALSE(written.empty());
    const auto firstLower = std::find_if(written.begin(), written.end(), [](int i) { return i <= 10; });
    EXPECT_NE(firstLower, written.begin());
    EXPECT_TRUE(std::all_of(firstLower, written.end(), [](int i) { return i <= 10; }));
    EXPECT_EQ(caption(form, "Label1", 21), "-1");
    EXPECT_EQ(caption(form, "Label1", 0), "-14");
    for (const char* const* pair : {c.upperNew, c.lowerNew}) {
        EXPECT_FALSE(ui::shown(driver::find(form, pair[0])));
        EXPECT_TRUE(ui::shown(driver::find(form, pair[1])));
    }
    press(form, "Option1");
    EXPECT_EQ(caption(form, "Label1", 21), c.level1Firsts[0]);
    EXPECT_EQ(caption(form, "Label1", 0), c.level1Firsts[1]);
    for (const char* const* pair : {c.upperNew, c.lowerNew}) {
        EXPECT_TRUE(ui::shown(driver::find(form, pair[0])));
        EXPECT_FALSE(ui::shown(driver::find(form, pair[1])));
    }
}

TEST_P(EveryTestScreen, NewProblemOpensThePanelAgainAndLeavesTheScoreAlone) {
    ui::Form& form = openStill(GetParam().name);
    answer(form, {{0, "1"}, {1, "1"}});
    press(form, "Command3");
    EXPECT_FALSE(driver::find(form, "Command3").isEnabled());
    EXPECT_TRUE(shown(form, "Label1", 6));
    const std::string marked = score(form);
    for (int t2 : {17, 18}) {
        setCounters(form, 3, t2);
        press(form, GetParam().lowerNew[0]);
        EXPECT_EQ(caption(form, "Label1", 2), GetParam().lowerSeconds[t2 - 17]);
        EXPECT_EQ(score(form), marked);
        EXPECT_TRUE(driver::find(form, "Command3").isEnabled());
        for (int i = 4; i <= 10; ++i)
            EXPECT_FALSE(shown(form, "Label1", i)) << i;
        for (int i = 4; i <= 7; ++i)
            EXPECT_FALSE(shown(form, "Label2", i)) << i;
        for (int i = 0; i <= 4; ++i)
            EXPECT_EQ(box(form, i).text(), "") << i;
    }
}

// The texts a screen reader finds on the screen beside its widgets.
std::vector<std::string> spokenTexts(ui::Form& form) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    std::vector<std::string> texts;
    for (int i = 0; i < window->childCount(); ++i)
        if (!window->child(i)->object())
            texts.push_back(window->child(i)->text(QAccessible::Name).toStdString());
    return texts;
}

TEST_P(EveryTestScreen, EvaluatingEmptyBoxesCountsTheShownStepsAsAttempts) {
    ui::Form& form = openStill(GetParam().name);
    EXPECT_EQ(spokenTexts(form), (std::vector<std::string>{"الدرجة 0 من 0", "عدد النجوم المضيئة 0"}));
    press(form, "Command3");
    EXPECT_EQ(score(form), std::string("0/") + GetParam().emptyLowerStart);
    EXPECT_TRUE(litStars(form).empty());
    EXPECT_EQ(spokenTexts(form)[0], std::string("الدرجة 0 من ") + GetParam().emptyLowerStart);
    form.label("Label4").setCaption(GetParam().gatePassingAttempts);
    form.label("Label3").setCaption("9");
    EXPECT_EQ(spokenTexts(form)[1], "عدد النجوم المضيئة 1");
}

TEST_P(EveryTestScreen, ClearResetsTheScoreAndASecondClearChangesNothing) {
    const ScreenCase& c = GetParam();
    ui::Form& form = openStill(c.name);
    form.label("Label4").setCaption(c.gatePassingAttempts);
    form.label("Label3").setCaption("9");
    ASSERT_EQ(litStars(form), std::vector<int>{0});
    int attemptChanges = 0;
    form.onChange("Label4", [&attemptChanges](int) { ++attemptChanges; });
    press(form, "Command4");
    EXPECT_EQ(score(form), "0/0");
    EXPECT_EQ(litStars(form).empty(), c.clearHidesStars);
    EXPECT_EQ(attemptChanges, 1);
    press(form, "Command4");
    EXPECT_EQ(score(form), "0/0");
    EXPECT_EQ(attemptChanges, 1);
}

TEST_P(EveryTestScreen, StarsLightInIndexOrderAndTheFiftiethLast) {
    ui::Form& form = openStill(GetParam().name);
    form.label("Label4").setCaption(GetParam().gatePassingAttempts);
    std::vector<int> expected;
    for (int right = 10; right < 10 + 49; ++right) {
        form.label("Label3").setCaption(std::to_string(right));
        expected.push_back(right - 10);
    }
    EXPECT_EQ(litStars(form), expected);
    for (int right = 100; right < 103; ++right)
        form.label("Label3").setCaption(std::to_string(right));
    expected.push_back(49);
    EXPECT_EQ(litStars(form), expected);
}

TEST_P(EveryTestScreen, TickCountersRunModuloTheirBounds) {
    ui::Form& form = openStill(GetParam().name);
    setCounters(form, 498, 398);
    for (const char* expected : {"499", "0", "1"}) {
        form.timer("Timer1").onTick();
        EXPECT_EQ(caption(form, "Label7", -1), expected);
    }
    for (const char* expected : {"399", "0"}) {
        form.timer("Timer2").onTick();
        EXPECT_EQ(caption(form, "Label8", -1), expected);
    }
}

TEST_P(EveryTestScreen, TheChainOfStarsStaysInItsRegionAtItsSizes) {
    ui::Form& form = openStill(GetParam().name);
    for (int i = 0; i <= 22; ++i) {
        const QRect star = driver::find(form, nameOf("Image1", i)).geometry();
        EXPECT_TRUE(GetParam().chain.contains(star)) << i;
        EXPECT_TRUE(star.width() >= ui::pixels(225) && star.width() <= ui::pixels(900)) << i;
        EXPECT_TRUE(star.height() >= ui::pixels(195) && star.height() <= ui::pixels(225)) << i;
    }
    // The ends are plain stars; the middle of the chain is stretched to the full width.
    EXPECT_EQ(driver::find(form, "Image1(0)").size(), QSize(15, 15));
    EXPECT_EQ(driver::find(form, "Image1(11)").size(), QSize(60, 13));
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryTestScreen, testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// The faces standing in for the screens' Windows faces set Arabic wider; no button caption may be cut off.
class AllFourTestScreens : public testing::TestWithParam<const char*> {};

TEST_P(AllFourTestScreens, EveryButtonCaptionFitsWithinItsButton) {
    ui::Form& form = openStill(GetParam());
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), room.width())
            << button->objectName().toStdString();
    }
}

// Each panel opens on its start problem, which its layout table shows solved: the numbers, the result,
// the reduced pair and the whole number read what the worked start problem writes, and the boxes shown
// are those it asks for, so the start problems are marked as any other.
TEST_P(AllFourTestScreens, StartProblemsShowWhatTheirWorkedSolutionsWrite) {
    using screens::quiz::Term;
    const auto& screen = dynamic_cast<const screens::QuizScreen&>(openStill(GetParam()));
    const screens::quiz::QuizSettings& settings = screen.settings();
    for (const screens::quiz::PanelSettings* panel : {&settings.upper, &settings.lower}) {
        const screens::quiz::WorkedProblem worked = work(panel->problems, settings.rule, panel->start);
        const screens::quiz::PanelWidgets& w = panel->widgets;
        const std::pair<Term, int> labels[] = {{Term::A, w.problem[0]},
                                               {Term::B, w.problem[1]},
                                               {Term::C, w.problem[2]},
                                               {Term::D, w.problem[3]},
                                               {Term::Numerator, w.n},
                                               {Term::Denominator, w.d},
                                               {Term::Whole, w.whole},
                                               {Term::ReducedNumerator, w.reduced.numerator},
                                               {Term::ReducedDenominator, w.reduced.denominator}};
        for (const auto& [term, index] : labels) {
            if (index >= 0) {
                EXPECT_EQ(caption(screen, "Label1", index), worked.text(term)) << "Label1(" << index << ")";
            }
        }
        EXPECT_EQ(box(screen, w.reducedBoxes.numerator).isVisible(), worked.completion.asksReduced());
        EXPECT_EQ(box(screen, w.wholeBox).isVisible(), worked.completion.asksWhole);
    }
}

double luminance(QColor c) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b) {
    // The list form returns values: the two-argument one would return references to the temporaries.
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// Where to type must be seen: on each side, the edge of an empty answer box stands out from the
// screen's ground by at least 3 : 1 (in its outer or its inner line).
TEST_P(AllFourTestScreens, EmptyAnswerBoxesStandOutFromTheGroundOnEachSide) {
    ui::Form& form = openStill(GetParam());
    const QColor ground = form.palette().color(QPalette::Window);
    for (int index : {0, 5}) {
        QLineEdit& answer = box(form, index);
        answer.clear();
        const QImage drawn = answer.grab().toImage();
        const QRect r = drawn.rect();
        const QPoint middle = r.center();
        const QPoint sides[][2] = {{{middle.x(), 0}, {middle.x(), 1}},
                                   {{0, middle.y()}, {1, middle.y()}},
                                   {{middle.x(), r.bottom()}, {middle.x(), r.bottom() - 1}},
                                   {{r.right(), middle.y()}, {r.right() - 1, middle.y()}}};
        for (const auto& [outer, inner] : sides)
            EXPECT_GE(std::max(contrast(drawn.pixelColor(outer), ground),
                               contrast(drawn.pixelColor(inner), ground)),
                      3)
                << index << " at " << outer.x() << "," << outer.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, AllFourTestScreens, testing::Values("frmaddq", "frmqm", "frmqd", "frmqdv"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
