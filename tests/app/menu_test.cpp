// The main menu and the Back and Exit buttons of every screen, driven with clicks and keys.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

#include "app/screen_table.h"
#include "screens/menu/main_menu.h"
#include "tests/support/driver.h"
#include "ui/form.h"

namespace {

// Where each button that opens a screen stands, in twips.
constexpr std::pair<std::string_view, int> kButtonTops[] = {
    {"Command1", 180},   {"Command2", 840},  {"Command3", 1500}, {"Command4", 2160}, {"Command6", 2820},
    {"Command10", 3480}, {"Command7", 4250}, {"Command9", 4920}, {"Command8", 5600},
};

int frameTop() { return driver::find(*ui::forms::find("frmqqq"), "Shape1").y(); }

TEST(Menu, OpensOnItsFirstButtonWithTheFrameAroundIt) {
    ui::Form& menu = driver::open("frmqqq");
    EXPECT_EQ(menu.windowTitle(), "Zemora   إعداد الاستاذ / Tarvel");
    EXPECT_EQ(menu.size(), QSize(762, 502));
    EXPECT_EQ(QApplication::focusWidget(), &driver::find(menu, "Command1"));
    EXPECT_EQ(frameTop(), ui::pixels(120));
}

TEST(Menu, TabWalksTheButtonsFromTopToBottomAndTheFrameFollows) {
    ui::Form& menu = driver::open("frmqqq");
    for (int top : {840, 1500, 2160, 2820, 3480, 4250, 4920, 5600, 6240}) {
        driver::key(*QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(frameTop(), ui::pixels(top - 60)) << top;
    }
    EXPECT_EQ(QApplication::focusWidget(), &driver::find(menu, "Command5"));
    driver::key(*QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(frameTop(), ui::pixels(120));
}

TEST(Menu, EachButtonOpensItsScreenAfterMovingTheFrame) {
    for (const auto& [button, top] : kButtonTops) {
        SCOPED_TRACE(button);
        const auto opened = std::ranges::find(app::menuScreens(), button, [](const app::ScreenEntry& entry) {
            return screens::MainMenu::buttonOpening(entry.name);
        });
        ASSERT_NE(opened, app::menuScreens().end());
        ui::Form& menu = driver::open("frmqqq");
        driver::click(driver::find(menu, ui::qstr(button)));
        driver::settle();
        EXPECT_EQ(driver::textOf(driver::find(menu, ui::qstr(button))), opened->arabicName);
        EXPECT_EQ(frameTop(), ui::pixels(top - 60));
        ui::Form* screen = ui::forms::find(opened->name);
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isVisible());
        EXPECT_EQ(ui::forms::loaded().front(), &menu);
        screen->unload();
        driver::settle();
    }
}

TEST(Menu, EnterPressesTheFocusedButtonAndEscEndsTheProgram) {
    ui::Form& menu = driver::open("frmqqq");
    driver::key(driver::find(menu, "Command1"), Qt::Key_Return);
    EXPECT_NE(ui::forms::find("frmaddq"), nullptr);
    menu.activateWindow();
    driver::key(driver::find(menu, "Command1"), Qt::Key_Escape);
    driver::settle();
    EXPECT_TRUE(ui::forms::loaded().empty());
}

TEST(Menu, AMinimizedScreenComesBackRestoredAndActiveFromItsButton) {
    ui::Form& menu = driver::open("frmqqq");
    driver::click(driver::find(menu, "Command10"));
    driver::settle();
    ui::Form& worksheet = *ui::forms::find("frmpq");
    worksheet.showMinimized();
    driver::settle();
    driver::click(driver::find(menu, "Command10"));
    driver::settle();
    EXPECT_FALSE(worksheet.isMinimized());
    EXPECT_TRUE(worksheet.isActiveWindow());
}

struct Navigation {
    const char* screen;
    const char* back;
    const char* exit;
    const char* exitCaption;
    bool escGoesBack;
};

constexpr Navigation kNavigation[] = {
    {"frmaddq", "Command9", "Command8", "خروج", false},
    {"frmqm", "Command9", "Command8", "خروج", true},
    {"frmqd", "Command8", "Command9", "خروج", true},
    {"frmqdv", "Command9", "Command8", "خروج", true},
    {"frmqaa", "Command9", "Command8", "خروج", true},
    {"frmqam", "Command9", "Command8", "خروج", true},
    {"frmqad", "Command9", "Command8", "خروج", true},
    {"frmqo", "Command9", "Command10", "خروج", true},
    {"frmpq", "Command8", "Command9", "خروج من البرنامج", false},
};

// A screen added to the table without its rows here would go untested.
TEST(Menu, EveryScreenOfTheTableIsCoveredHere) {
    EXPECT_EQ(std::size(kButtonTops), app::menuScreens().size());
    for (const app::ScreenEntry& screen : app::menuScreens())
        EXPECT_NE(std::ranges::find(kNavigation, screen.name, &Navigation::screen), std::end(kNavigation))
            << screen.name;
}

class BackAndExit : public testing::TestWithParam<Navigation> {
  protected:
    ui::Form& openFromMenu() {
        driver::open("frmqqq");
        return driver::open(GetParam().screen);
    }
};

TEST_P(BackAndExit, BackReturnsToTheMenuAndTheNextOpeningStartsFresh) {
    const Navigation& n = GetParam();
    ui::Form& screen = openFromMenu();
    QWidget& back = driver::find(screen, n.back);
    EXPECT_EQ(driver::textOf(back), n.screen == std::string("frmpq") ? "رجوع للصفحة الرئيسة" : "رجوع");
    // Something changed on the screen survives a trip to the menu but not Back.
    driver::find<QAbstractButton>(screen, n.exit).setText("changed");
    EXPECT_EQ(&driver::open("frmqqq"), ui::forms::loaded().front());
    EXPECT_EQ(driver::textOf(driver::find(driver::open(n.screen), n.exit)), "changed");

    driver::click(back);
    driver::settle();
    EXPECT_EQ(ui::forms::find(n.screen), nullptr);
    EXPECT_EQ(ui::forms::loaded().size(), 1U);
    EXPECT_EQ(driver::textOf(driver::find(driver::open(n.screen), n.exit)), n.exitCaption);
}

TEST_P(BackAndExit, ExitEndsTheProgram) {
    ui::Form& screen = openFromMenu();
    driver::click(driver::find(screen, GetParam().exit));
    driver::settle();
    EXPECT_TRUE(ui::forms::loaded().empty());
}

TEST_P(BackAndExit, EscGoesBackWhereBackIsTheCancelButton) {
    ui::Form& screen = openFromMenu();
    driver::key(screen.focusWidget() ? *screen.focusWidget() : screen, Qt::Key_Escape);
    driver::settle();
    EXPECT_EQ(ui::forms::find(GetParam().screen) == nullptr, GetParam().escGoesBack);
    EXPECT_NE(ui::forms::find("frmqqq"), nullptr);
}

// What a screen reader finds on the screen: a name on every text box, unique on the screen, and no
// reward picture on its own.
TEST_P(BackAndExit, ScreenReadersFindANameOnEveryTextBox) {
    ui::Form& screen = openFromMenu();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&screen);
    std::set<QString> names;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* element = window->child(i);
        const QObject* widget = element->object();
        EXPECT_FALSE(widget && widget->objectName().startsWith("Image1"))
            << widget->objectName().toStdString();
        if (element->role() != QAccessible::EditableText)
            continue;
        const QString name = element->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << widget->objectName().toStdString();
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(screen.findChildren<QLineEdit*>().size()));
}

INSTANTIATE_TEST_SUITE_P(Screens, BackAndExit, testing::ValuesIn(kNavigation),
                         [](const auto& info) { return std::string(info.param.screen); });

} // namespace
