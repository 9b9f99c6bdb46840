// The forms layer's runtime semantics, on a small screen made for the tests.
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/driver.h"
#include "ui/form.h"

namespace {

constexpr ui::Row kLayout[] = {
    ui::textBox("Text1", 0).at(150, 150, 1500, 450).text("1").tabAt(0),
    ui::textBox("Text1", 1).at(150, 750, 1500, 450).text("2").tabAt(1),
    ui::label("Label1").at(2000, 150, 1500, 450).text("built"),
    ui::button("Command1").at(150, 1500, 1500, 450).text("default").tabAt(2),
    ui::button("Command2").at(2000, 1500, 1500, 450).text("cancel").tabAt(3),
    ui::timer("Timer1").every(10),
    ui::option("Option1", 0)
        .asGraphical()
        .colors(ui::kWhite, ui::rgb(0x800000))
        .at(150, 2250, 1500, 450)
        .text("x"),
    ui::label("Label2").at(2000, 750, 1500, 450).center().rtl(),
    ui::textBox("Text2").at(2000, 2250, 1500, 450).center().rtl(),
    ui::option("Option1", 1)
        .asGraphical()
        .colors(ui::kWhite, ui::rgb(0x800000))
        .at(2000, 2250, 1500, 450)
        .text("x"),
};

// Records the events it sees, in order, so nesting and ordering can be checked.
class Probe : public ui::Form {
  public:
    Probe() : Form("frmprobe", "probe", 4000, 3000, ui::kWhite) {
        build(kLayout);
        setDefaultButton("Command1");
        setCancelButton("Command2");
        onClick("Command1", [this](int) { log.push_back("default"); });
        onClick("Command2", [this](int) { log.push_back("cancel"); });
        onChange("Label1", [this](int) { log.push_back("label " + label("Label1").caption()); });
        onTimer("Timer1", [this] { ++ticks; });
    }
    std::vector<std::string> log;
    int ticks = 0;
};

// The screens of these tests: the probe and a plain second screen, 200 x 100 pixels.
ui::forms::Maker testScreen(std::string_view name) {
    if (name == "frmprobe")
        return []() -> ui::Form* { return new Probe; };
    if (name == "frmother")
        return [] { return new ui::Form("frmother", "other", 3000, 1500, ui::kBlack); };
    return nullptr;
}

class Forms : public testing::Test {
  protected:
    void SetUp() override { ui::forms::findScreensWith(testScreen); }
    Probe& open() { return static_cast<Probe&>(driver::open("frmprobe")); }
};

TEST_F(Forms, ChangeRunsNestedInsideTheAssignmentThatCausedIt) {
    Probe& probe = open();
    // A handler that resets a zero to "1", as the screens do after a refused value.
    probe.onChange("Text1", [&probe](int index) {
        ui::TextBox& box = probe.textBox("Text1", index);
        probe.log.push_back("enter " + std::to_string(index) + " " + box.value());
        if (box.value() == "0")
            box.assign("1");
        probe.log.push_back("leave " + std::to_string(index) + " " + box.value());
    });
    probe.textBox("Text1", 1).assign("0");
    const std::vector<std::string> expected = {"enter 1 0", "enter 1 1", "leave 1 1", "leave 1 1"};
    EXPECT_EQ(probe.log, expected);
}

TEST_F(Forms, ChangeRunsOnTypingAndOnlyWhenTheValueChanges) {
    Probe& probe = open();
    int changes = 0;
    probe.onChange("Text1", [&changes](int) { ++changes; });
    probe.textBox("Text1", 0).assign("1"); // unchanged
    EXPECT_EQ(changes, 0);
    driver::overtype(probe.textBox("Text1", 0), "42");
    EXPECT_EQ(probe.textBox("Text1", 0).text(), "42");
    EXPECT_EQ(changes, 2);
    probe.label("Label1").setCaption("built");
    probe.label("Label1").setCaption("next");
    EXPECT_EQ(probe.log, std::vector<std::string>{"label next"});
}

TEST_F(Forms, ControlArrayHandlersReceiveTheIndex) {
    Probe& probe = open();
    std::vector<int> indexes;
    probe.onChange("Text1", [&indexes](int index) { indexes.push_back(index); });
    probe.textBox("Text1", 1).assign("7");
    probe.textBox("Text1", 0).assign("7");
    EXPECT_EQ(indexes, (std::vector<int>{1, 0}));
}

TEST_F(Forms, PressingFromCodeRunsClickBeforeReturningButNotWhenDisabled) {
    Probe& probe = open();
    probe.button("Command1").press();
    EXPECT_EQ(probe.log, std::vector<std::string>{"default"});
    probe.button("Command1").setEnabled(false);
    probe.button("Command1").press();
    EXPECT_EQ(probe.log.size(), 1U);
}

struct KeyCase {
    const char* focus; // widget holding the focus
    Qt::Key key;
    bool hideDefault;
    std::vector<std::string> expected;
};

class Keys : public Forms, public testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, EnterAndEscPressTheRightButton) {
    const KeyCase& c = GetParam();
    Probe& probe = open();
    probe.button("Command1").setHidden(c.hideDefault);
    QWidget& focus = driver::find(probe, c.focus);
    focus.setFocus();
    driver::key(focus, c.key);
    EXPECT_EQ(probe.log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Keys,
    testing::Values(KeyCase{"Text1(0)", Qt::Key_Return, false, {"default"}},
                    KeyCase{"Text1(0)", Qt::Key_Enter, false, {"default"}},
                    KeyCase{"Command2", Qt::Key_Return, false, {"cancel"}}, // the focused button
                    KeyCase{"Text1(0)", Qt::Key_Return, true, {}},          // a hidden default is not pressed
                    KeyCase{"Text1(0)", Qt::Key_Escape, false, {"cancel"}},
                    KeyCase{"Command1", Qt::Key_Escape, false, {"cancel"}}));

TEST_F(Forms, OpeningFocusesTheFirstWidgetInTabOrder) {
    Probe& probe = open();
    EXPECT_EQ(QApplication::focusWidget(), &probe.textBox("Text1", 0));
}

TEST_F(Forms, ShowingALoadedScreenKeepsItsStateAndUnloadingDropsIt) {
    Probe* first = &open();
    first->textBox("Text1", 0).setText("typed");
    EXPECT_EQ(&open(), first);
    EXPECT_EQ(first->textBox("Text1", 0).text(), "typed");

    first->unload();
    driver::settle();
    EXPECT_EQ(ui::forms::find("frmprobe"), nullptr);
    EXPECT_EQ(open().textBox("Text1", 0).text(), "1");
}

TEST_F(Forms, LoadedScreensAreListedInLoadOrder) {
    Probe& probe = open();
    ui::Form& other = driver::open("frmother");
    ASSERT_EQ(ui::forms::loaded().size(), 2U);
    EXPECT_EQ(ui::forms::loaded()[0], &probe);
    EXPECT_EQ(ui::forms::loaded()[1], &other);
    open(); // to the front: the order of loading stays
    EXPECT_EQ(ui::forms::loaded()[1], &other);
    ui::forms::end();
    driver::settle();
    EXPECT_TRUE(ui::forms::loaded().empty());
}

TEST_F(Forms, TimersRunWhileTheScreenIsLoaded) {
    Probe& probe = open();
    QPointer<ui::Timer> timer = &probe.timer("Timer1");
    EXPECT_EQ(timer->interval(), 10);
    QTRY_VERIFY_WITH_TIMEOUT(probe.ticks >= 2, 2000);
    probe.unload();
    driver::settle();
    EXPECT_TRUE(timer.isNull());
}

// Over a left-to-right screen, the box reads right to left and its button speaks Arabic.
TEST_F(Forms, MessageBoxesAreModalWithTheirTitleAndTextInArabicRightToLeft) {
    Probe& probe = open();
    driver::MessageBoxes boxes;
    ui::messageBox(&probe, "المقام لا يساوي صفر", "تنبيه ", true);
    ASSERT_EQ(boxes.seen().size(), 1U);
    EXPECT_EQ(boxes.seen()[0].title, "تنبيه ");
    EXPECT_EQ(boxes.seen()[0].text, "المقام لا يساوي صفر");
    // Minimized, it would leave the program blocked with nothing on screen to answer.
    EXPECT_FALSE(boxes.seen()[0].flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(boxes.seen()[0].okCaption, "موافق");
    EXPECT_TRUE(boxes.seen()[0].rightToLeft);
}

TEST_F(Forms, ScreensOfAFixedSizeOfferMinimizeButNoMaximize) {
    const Qt::WindowFlags flags = open().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

// Where a second screen first appears, given where the first one stands (offscreen the desktop is
// 800 x 800 pixels and windows have a frame 2 pixels wide; positions are the frame's).
struct Placement {
    QPoint first, expected;
};

class Placements : public Forms, public testing::WithParamInterface<Placement> {};

TEST_P(Placements, ANewScreenAppearsCentredOverTheFirstInsideTheDesktop) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    Probe& probe = open(); // 267 x 200
    // The first screen's frame is not known before it is shown: centred within the frame's width.
    EXPECT_LE((probe.frameGeometry().center() - QPoint(399, 399)).manhattanLength(), 4);
    probe.move(GetParam().first);
    EXPECT_EQ(driver::open("frmother").pos(), GetParam().expected); // 200 x 100
}

INSTANTIATE_TEST_SUITE_P(Forms, Placements,
                         testing::Values(Placement{{100, 100}, {134, 150}}, Placement{{-50, 20}, {0, 70}},
                                         Placement{{700, 750}, {596, 696}}));

// A text on a right-to-left row, and the same text written out left to right in the order it must
// show (between U+202D and U+202C, which hold that order whatever the paragraph's direction).
struct Drawing {
    const char* text;
    const char* shown;
    bool inBoxesToo = true; // false for an expression, which only labels hold
};

void PrintTo(const Drawing& drawing, std::ostream* os) { *os << drawing.text; }

class RightToLeftRows : public Forms, public testing::WithParamInterface<Drawing> {};

TEST_P(RightToLeftRows, DrawTheirTextAsARightToLeftParagraph) {
    Probe& probe = open();
    const auto drawn = [](QWidget& widget, const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(&widget))
            label->setText(text);
        else
            static_cast<QLineEdit&>(widget).setText(text);
        return widget.grab().toImage();
    };
    const QString text = QString::fromUtf8(GetParam().text);
    const QString shown = QChar(0x202D) + QString::fromUtf8(GetParam().shown) + QChar(0x202C);
    std::vector<QWidget*> widgets{&probe.label("Label2")};
    if (GetParam().inBoxesToo)
        widgets.push_back(&probe.textBox("Text2"));
    for (QWidget* widget : widgets)
        EXPECT_EQ(drawn(*widget, text), drawn(*widget, shown)) << widget->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Forms, RightToLeftRows,
                         testing::Values(Drawing{"3 + 5", "5 + 3"}, Drawing{"(-3) + 5", "5 + (3-)"},
                                         Drawing{"2×7", "7×2"}, Drawing{"-66 - 96", "96 - 66-"},
                                         Drawing{"-12", "12-"}, Drawing{"24-15", "15-24", false},
                                         Drawing{"1e-5", "1e-5"}));

TEST_F(Forms, GeometryIsTwipsOverFifteen) {
    Probe& probe = open();
    EXPECT_EQ(probe.size(), QSize(267, 200)); // 4000 x 3000 twips
    EXPECT_EQ(probe.textBox("Text1", 1).geometry(), QRect(10, 50, 100, 30));
    EXPECT_EQ(ui::pixels(4250), 283);
}

TEST_F(Forms, ClickSelectsNothingByItselfButSelectWholeSurvivesTheClick) {
    Probe& probe = open();
    ui::TextBox& box = probe.textBox("Text1", 1);
    box.onGotFocus = [&box] { box.selectWhole(); };
    driver::click(box);
    EXPECT_EQ(box.selectedText(), "2");
}

// Mean difference of grey level, 0 to 255, between two pictures of the same size.
double meanGreyDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

// On a dark ground the style's own pressed look is hard to see: the selected option must stand out.
TEST_F(Forms, ASelectedGraphicalOptionStandsOutFromTheOthers) {
    Probe& probe = open();
    const std::vector<QWidget*> options = probe.array("Option1");
    ASSERT_EQ(options.size(), 2u);
    const QImage unselected = options[1]->grab().toImage();
    EXPECT_EQ(options[0]->grab().toImage(), unselected);
    static_cast<QAbstractButton*>(options[0])->setChecked(true);
    const QImage selected = options[0]->grab().toImage();
    EXPECT_GT(meanGreyDifference(selected, unselected), 20); // the pressed look alone gives about 12
    static_cast<QAbstractButton*>(options[1])->setChecked(true);
    EXPECT_EQ(options[1]->grab().toImage(), selected);
    EXPECT_EQ(options[0]->grab().toImage(), unselected);
}

} // namespace
