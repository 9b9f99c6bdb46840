// The worksheet screen driven as a teacher would: opening, filling rows from the tick counters,
// choosing and cycling operators, typing into the boxes.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "tests/support/driver.h"
#include "ui/form.h"

namespace {

QString text1(int box) { return QStringLiteral("Text1(%1)").arg(box); }

QLineEdit& box(const ui::Form& sheet, int index) { return driver::find<QLineEdit>(sheet, text1(index)); }

std::string boxText(const ui::Form& sheet, int index) { return driver::textOf(box(sheet, index)); }

std::string command6(const ui::Form& sheet, int index) {
    return driver::textOf(driver::find(sheet, QStringLiteral("Command6(%1)").arg(index)));
}

// The counters as the timers would have left them at some moment.
void setCounters(ui::Form& sheet, const char* label2, const char* label3, const char* label4,
                 const char* label5) {
    sheet.label("Label2").setCaption(label2);
    sheet.label("Label3").setCaption(label3);
    sheet.label("Label4").setCaption(label4);
    sheet.label("Label5").setCaption(label5);
}

// Every box's text, in index order.
std::vector<std::string> allBoxes(const ui::Form& sheet) {
    std::vector<std::string> texts;
    for (int i = 0; i < 30; ++i)
        texts.push_back(boxText(sheet, i));
    return texts;
}

TEST(Worksheet, OpensEmptyWithAdditionChosenAndCountersAtZero) {
    ui::Form& sheet = driver::open("frmpq");
    EXPECT_EQ(sheet.windowTitle(), "الطباعة إعداد أ / Morvane");
    EXPECT_EQ(sheet.size(), QSize(792, 566));
    EXPECT_EQ(allBoxes(sheet), std::vector<std::string>(30));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(command6(sheet, i), "+");
        EXPECT_EQ(command6(sheet, i + 5), "=");
    }
    EXPECT_TRUE(driver::find<QAbstractButton>(sheet, "Option1(0)").isChecked());
    for (const char* counter : {"Label2", "Label3", "Label4", "Label5"}) {
        EXPECT_EQ(sheet.label(counter).caption(), "0");
        EXPECT_FALSE(ui::shown(sheet.label(counter)));
    }
    EXPECT_EQ(QApplication::focusWidget(), &box(sheet, 0));
}

TEST(Worksheet, BoxesStandInTheirRows) {
    struct Placed {
        int box, left, top, width, height, maxLength;
    };
    // Rows 3 and 4 hold each other's whole-number boxes by number: Text1(27) is box A of row 3.
    const Placed kPlaced[] = {
        {0, 10200, 2520, 735, 300, 3}, {1, 10200, 2940, 735, 330, 3}, {3, 8640, 2940, 735, 330, 3},
        {20, 9720, 2640, 495, 555, 2}, {21, 8160, 2640, 495, 555, 2}, {22, 9720, 3720, 495, 585, 2},
        {27, 9720, 5040, 495, 555, 2}, {26, 8160, 5040, 495, 555, 2}, {25, 9720, 6120, 495, 585, 2},
        {24, 8160, 6120, 495, 555, 2}, {29, 9720, 7200, 495, 585, 2}, {28, 8160, 7200, 495, 555, 2},
        {18, 8640, 7080, 735, 300, 3}, {19, 8640, 7500, 735, 330, 3},
    };
    ui::Form& sheet = driver::open("frmpq");
    for (const Placed& p : kPlaced) {
        const QLineEdit& placed = box(sheet, p.box);
        EXPECT_EQ(placed.geometry(),
                  QRect(ui::pixels(p.left), ui::pixels(p.top), ui::pixels(p.width), ui::pixels(p.height)))
            << p.box;
        EXPECT_EQ(placed.maxLength(), p.maxLength) << p.box;
        EXPECT_TRUE(placed.hasFrame()) << p.box;
    }
}

TEST(Worksheet, TimersAdvanceTheirCountersAndWrap) {
    struct Tick {
        const char *timer, *counter;
        int interval;
        const char *from, *to;
    };
    const Tick kTicks[] = {{"Timer1", "Label2", 500, "0", "7"},    {"Timer1", "Label2", 500, "1045", "4"},
                           {"Timer2", "Label3", 450, "899", "0"},  {"Timer3", "Label4", 600, "861", "0"},
                           {"Timer4", "Label5", 800, "1530", "5"}, {"Timer4", "Label5", 800, "0", "11"}};
    ui::Form& sheet = driver::open("frmpq");
    for (const Tick& t : kTicks) {
        ui::Timer& timer = sheet.timer(t.timer);
        EXPECT_TRUE(timer.isActive());
        EXPECT_EQ(timer.interval(), t.interval);
        sheet.label(t.counter).setCaption(t.from);
        timer.onTick();
        EXPECT_EQ(sheet.label(t.counter).caption(), t.to) << t.timer << " from " << t.from;
    }
}

TEST(Worksheet, RowButtonsFillTheirBoxesFromTheCounters) {
    ui::Form& sheet = driver::open("frmpq");
    driver::click(driver::find(sheet, "Command1"));
    const std::pair<int, const char*> kRow1[] = {{0, "6"},  {1, "8"},  {2, "8"},
                                                 {3, "10"}, {20, "1"}, {21, "1"}};
    for (const auto& [index, text] : kRow1)
        EXPECT_EQ(boxText(sheet, index), text) << index;

    setCounters(sheet, "100", "250", "33", "1000");
    driver::click(driver::find(sheet, "Command2"));
    const std::pair<int, const char*> kRow2[] = {{4, "1"}, {5, "2"},  {6, "4"},
                                                 {7, "6"}, {22, "8"}, {23, "6"}};
    for (const auto& [index, text] : kRow2)
        EXPECT_EQ(boxText(sheet, index), text) << index;
}

// Text1(26) and Text1(27) stand in row 3, Text1(24) and Text1(25) in row 4.
TEST(Worksheet, RowsThreeAndFourFillOnlyTheirOwnBoxes) {
    ui::Form& sheet = driver::open("frmpq");
    setCounters(sheet, "100", "250", "33", "1000");
    driver::click(driver::find(sheet, "Command3"));
    std::vector<std::string> expected(30);
    for (const auto& [index, text] :
         {std::pair{8, "4"}, {9, "2"}, {10, "2"}, {11, "13"}, {26, "5"}, {27, "6"}})
        expected[index] = text;
    EXPECT_EQ(allBoxes(sheet), expected);

    driver::click(driver::find(sheet, "Command4"));
    for (const auto& [index, text] :
         {std::pair{12, "4"}, {13, "6"}, {14, "6"}, {15, "7"}, {24, "1"}, {25, "10"}})
        expected[index] = text;
    EXPECT_EQ(allBoxes(sheet), expected);
}

TEST(Worksheet, RandomQuestionsFillsAllFiveRowsFromTheSameCounters) {
    ui::Form& sheet = driver::open("frmpq");
    setCounters(sheet, "100", "250", "33", "1000");
    driver::click(driver::find(sheet, "Command10"));
    const std::vector<std::string> all = allBoxes(sheet);
    EXPECT_EQ(all, (std::vector<std::string>{"6", "8",  "1", "2", "1", "2",  "4", "6", "4", "2",
                                             "2", "13", "4", "6", "6", "7",  "8", "2", "8", "3",
                                             "2", "1",  "8", "6", "1", "10", "5", "6", "1", "3"}));
    // The operators stay as they were.
    EXPECT_EQ(command6(sheet, 2), "+");
}

TEST(Worksheet, OptionsSetTheOperatorsAndOperatorButtonsCycle) {
    ui::Form& sheet = driver::open("frmpq");
    const char* kOperators[][5] = {{"+", "+", "+", "+", "+"},
                                   {"-", "-", "-", "-", "-"},
                                   {"×", "×", "×", "×", "×"},
                                   {"÷", "÷", "÷", "÷", "÷"},
                                   {"+", "-", "×", "÷", "+"}};
    for (int option : {1, 2, 3, 0, 4}) {
        driver::click(driver::find(sheet, QStringLiteral("Option1(%1)").arg(option)));
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(command6(sheet, row), kOperators[option][row])
                << "option " << option << ", row " << row;
    }
    QWidget& rowThree = driver::find(sheet, "Command6(2)");
    driver::click(rowThree);
    EXPECT_EQ(driver::textOf(rowThree), "÷");
    driver::click(rowThree);
    EXPECT_EQ(driver::textOf(rowThree), "+");
    EXPECT_EQ(command6(sheet, 1), "-");
}

TEST(Worksheet, EqualsButtonsChangeNothing) {
    ui::Form& sheet = driver::open("frmpq");
    driver::click(driver::find(sheet, "Command10"));
    const std::vector<std::string> boxes = allBoxes(sheet);
    for (int i = 5; i < 10; ++i) {
        driver::click(driver::find(sheet, QStringLiteral("Command6(%1)").arg(i)));
        EXPECT_EQ(command6(sheet, i), "=");
    }
    EXPECT_EQ(allBoxes(sheet), boxes);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(command6(sheet, row), "+");
}

TEST(Worksheet, BoxesKeepNumbersAndTheLoneMinusAndEmptyOnAnythingElse) {
    struct Typed {
        int box;
        QString typed;
        const char* kept;
    };
    const Typed kTyped[] = {{0, "12", "12"},    {1, "-", "-"},      {2, "-5", "-5"},   {3, "a", ""},
                            {4, "5a", ""},      {5, "1234", "123"}, {20, "123", "12"}, {21, "١٢", "12"},
                            {18, "2.5", "2.5"}, {19, "-x", ""}};
    ui::Form& sheet = driver::open("frmpq");
    for (const Typed& t : kTyped) {
        driver::overtype(box(sheet, t.box), t.typed);
        EXPECT_EQ(boxText(sheet, t.box), t.kept) << t.typed.toStdString();
    }
}

TEST(Worksheet, ClickAndFocusSelectTheWholeBox) {
    ui::Form& sheet = driver::open("frmpq");
    driver::click(driver::find(sheet, "Command10"));
    QLineEdit& clicked = box(sheet, 7);
    driver::click(clicked);
    EXPECT_EQ(clicked.selectedText(), clicked.text());
    driver::key(clicked, Qt::Key_Tab);
    QLineEdit& next = box(sheet, 23);
    EXPECT_EQ(QApplication::focusWidget(), &next);
    EXPECT_EQ(next.selectedText(), next.text());
}

} // namespace
