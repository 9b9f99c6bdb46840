// Printing the worksheet into PDF files: one page, what the page leaves off, the screen restored
// exactly afterwards, a failure told, and the print dialog where the machine has no printer.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "tests/support/driver.h"
#include "ui/form.h"
#include "ui/print.h"

namespace {

// What a person sees of every named widget: shown or hidden, its text, a box's border, a check.
using Look = std::map<QString, QString>;

Look lookOf(const QWidget& screen) {
    Look look;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty())
            continue; // Qt's inner parts of a widget
        QString state = ui::shown(*widget) ? QStringLiteral("shown ") : QStringLiteral("hidden ");
        state += QString::fromStdString(driver::textOf(*widget));
        if (auto* box = qobject_cast<const QLineEdit*>(widget))
            state += box->hasFrame() ? QStringLiteral(" framed") : QStringLiteral(" bare");
        if (auto* button = qobject_cast<const QAbstractButton*>(widget); button && button->isChecked())
            state += QStringLiteral(" checked");
        look[widget->objectName()] = state;
    }
    return look;
}

bool hiddenIn(const Look& look, const QString& name) { return look.at(name).startsWith("hidden"); }

int pageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return 0;
    return static_cast<int>(
        QString::fromLatin1(pdf.readAll()).count(QRegularExpression(R"(/Type\s*/Page\b)")));
}

// Pages go into a PDF file of a fresh folder; the screen's look is taken when the printer is asked for.
class Printing : public testing::Test {
  protected:
    Printing() { printInto(pdf()); }
    ~Printing() override { ui::setPrinterProvider({}); }

    void printInto(const QString& file) {
        ui::setPrinterProvider([this, file](QWidget& screen, std::string_view) {
            duringPrint = lookOf(screen);
            return file.isEmpty() ? nullptr : ui::pdfPrinter(file, screen);
        });
    }
    QString pdf() const { return folder.filePath(QStringLiteral("page.pdf")); }
    ui::Form& filledSheet() {
        ui::Form& sheet = driver::open("frmpq");
        sheet.label("Label2").setCaption("100");
        driver::click(driver::find(sheet, "Command10"));
        return sheet;
    }
    void print(ui::Form& sheet) { driver::click(driver::find(sheet, "Command7")); }

    QTemporaryDir folder;
    Look duringPrint;
};

TEST_F(Printing, OnePageAndTheScreenExactlyAsBefore) {
    ui::Form& sheet = filledSheet();
    sheet.textBox("Text1", 23).assign("");
    driver::overtype(driver::find(sheet, "Text1(5)"), "-");
    driver::click(driver::find(sheet, "Option1(4)"));
    const Look before = lookOf(sheet);
    print(sheet);
    EXPECT_EQ(pageCount(pdf()), 1);
    EXPECT_NE(duringPrint, before);
    EXPECT_EQ(lookOf(sheet), before);
}

TEST_F(Printing, AnEmptySheetPrintsOnePageToo) {
    ui::Form& sheet = driver::open("frmpq");
    const Look before = lookOf(sheet);
    print(sheet);
    EXPECT_EQ(pageCount(pdf()), 1);
    EXPECT_EQ(lookOf(sheet), before);
}

struct LeftOff {
    const char* name;
    bool filled;            // all five rows filled before the boxes below are emptied
    std::vector<int> empty; // boxes emptied
    std::set<int> bars;     // Line1 elements left off the page
    std::set<int> wholes;   // whole-number boxes left off the page
};

void PrintTo(const LeftOff& c, std::ostream* out) { *out << c.name; }

const LeftOff kLeftOff[] = {
    {"EmptySheet", false, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
    {"FilledSheet", true, {}, {}, {}},
    {"EmptyBoxBOfRowTwo", true, {23}, {}, {23}},
    {"CrossedBoxesOfRowsThreeAndFour", true, {24, 27}, {}, {24, 27}},
    {"NumeratorOnlyKeepsItsBar", true, {1}, {}, {}},
    {"DenominatorOnlyKeepsItsBar", true, {16}, {}, {}},
    {"EmptyFractionLosesItsBar", true, {2, 3}, {1}, {}},
    {"LastFractionWithoutDenominatorLosesItsBar", true, {19}, {9}, {}},
    {"LastFractionWithoutNumeratorLosesItsBar", true, {18}, {9}, {}},
};

class PageLeavesOff : public Printing, public testing::WithParamInterface<LeftOff> {};

TEST_P(PageLeavesOff, ButtonsFrameBordersEmptyBarsAndEmptyWholeNumbers) {
    const LeftOff& c = GetParam();
    ui::Form& sheet = c.filled ? filledSheet() : driver::open("frmpq");
    for (int box : c.empty)
        sheet.textBox("Text1", box).assign("");
    const Look before = lookOf(sheet);
    print(sheet);

    for (const char* name : {"Command7", "Command8", "Command9", "Command10", "Frame1"})
        EXPECT_TRUE(hiddenIn(duringPrint, name)) << name;
    for (int i = 0; i < 30; ++i) {
        const QString box = QStringLiteral("Text1(%1)").arg(i);
        EXPECT_TRUE(duringPrint.at(box).endsWith(" bare")) << i;
        EXPECT_EQ(hiddenIn(duringPrint, box), c.wholes.contains(i)) << i;
    }
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(hiddenIn(duringPrint, QStringLiteral("Line1(%1)").arg(k)), c.bars.contains(k)) << k;
    for (const char* name : {"Command1", "Command5", "Command6(0)", "Command6(9)", "Label1", "Label6"})
        EXPECT_FALSE(hiddenIn(duringPrint, name)) << name;
    EXPECT_EQ(lookOf(sheet), before);
}

INSTANTIATE_TEST_SUITE_P(Worksheet, PageLeavesOff, testing::ValuesIn(kLeftOff),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Printing, NoPrinterChosenWritesNothingSaysNothingAndRestores) {
    printInto(QString());
    ui::Form& sheet = filledSheet();
    const Look before = lookOf(sheet);
    const driver::MessageBoxes boxes;
    print(sheet);
    EXPECT_TRUE(hiddenIn(duringPrint, "Frame1"));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(lookOf(sheet), before);
}

TEST_F(Printing, AFailingPrinterIsToldAndTheScreenRestored) {
    printInto(folder.filePath(QStringLiteral("missing/folder/page.pdf")));
    ui::Form& sheet = filledSheet();
    const Look before = lookOf(sheet);
    const driver::MessageBoxes boxes;
    print(sheet);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    ASSERT_EQ(boxes.seen().size(), 1U);
    EXPECT_EQ(boxes.seen()[0].title, "تنبيه");
    EXPECT_EQ(boxes.seen()[0].text, "لم تطبع الصفحة: تأكد من الطابعة أو من مكان حفظ الملف ثم أعد المحاولة");
    EXPECT_EQ(lookOf(sheet), before);
}

// Answers the print dialog as soon as it opens, printing or cancelling, and notes what it proposed.
class PrintDialogAnswer {
  public:
    explicit PrintDialogAnswer(bool accept) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, accept] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            proposed = dialog->printer()->outputFileName();
            landscape = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
            rightToLeft = dialog->layoutDirection() == Qt::RightToLeft;
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        });
        timer_.start();
    }
    QString proposed;
    bool landscape = false, rightToLeft = false;

  private:
    QTimer timer_;
};

// Without a printer the print dialog offers a PDF file; the home folder is a fresh folder here.
class NoPrinter : public testing::Test {
  protected:
    NoPrinter() : home_(qgetenv("HOME")) { qputenv("HOME", home.path().toLocal8Bit()); }
    ~NoPrinter() override { qputenv("HOME", home_); }
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull())
            GTEST_SKIP() << "this machine has a printer";
    }
    QString proposedFile() const { return QDir(home.path()).filePath(QStringLiteral("ورقة العمل.pdf")); }
    // Prints, answers the dialog, checks that it was right to left and proposed a landscape page, and
    // that the screen came back as it was; the proposed file.
    QString printThroughTheDialog(bool accept) {
        ui::Form& sheet = driver::open("frmpq");
        const Look before = lookOf(sheet);
        PrintDialogAnswer answer(accept);
        driver::click(driver::find(sheet, "Command7"));
        EXPECT_TRUE(answer.landscape);
        EXPECT_TRUE(answer.rightToLeft);
        EXPECT_EQ(lookOf(sheet), before);
        return answer.proposed;
    }

    QTemporaryDir home;

  private:
    QByteArray home_;
};

TEST_F(NoPrinter, TheDialogProposesAFileInTheHomeFolderAndWritesThePage) {
    EXPECT_EQ(printThroughTheDialog(true), proposedFile());
    EXPECT_EQ(pageCount(proposedFile()), 1);
}

TEST_F(NoPrinter, CancellingTheDialogWritesNothing) {
    EXPECT_EQ(printThroughTheDialog(false), proposedFile());
    EXPECT_TRUE(QDir(home.path()).isEmpty());
}

} // namespace
