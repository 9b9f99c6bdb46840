// Printing the worksheet into PDF files: one page, what the page leaves off, the screen restored
// exactly afterwards, a failure told, and the print dialog where the machine has no printer; and on a
// print server of the test's own, through the print dialog to a printer that runs, is paused or
// refuses jobs, with every text of the dialogs in Arabic.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QtEndian>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>
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

// The widgets whose look differs, each as "name: seen | expected"; empty when none does.
std::string differences(const Look& seen, const Look& expected) {
    std::string found;
    for (const auto& [name, state] : expected)
        if (const auto it = seen.find(name); it == seen.end() || it->second != state)
            found += (name + ": " + (it == seen.end() ? QString() : it->second) + " | " + state + "\n")
                         .toStdString();
    return found;
}

bool hiddenIn(const Look& look, const QString& name) { return look.at(name).startsWith("hidden"); }

QString pdfText(const QString& file) {
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) ? QString::fromLatin1(pdf.readAll()) : QString();
}

int pageCount(const QString& file) {
    return static_cast<int>(pdfText(file).count(QRegularExpression(R"(/Type\s*/Page\b)")));
}

ui::Form& filledSheet() {
    ui::Form& sheet = driver::open("frmpq");
    sheet.label("Label2").setCaption("100");
    driver::click(driver::find(sheet, "Command10"));
    return sheet;
}

// Every page of the file is wider than high.
bool landscape(const QString& file) {
    const QString pdf = pdfText(file);
    const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))");
    bool wide = pdf.contains(box);
    for (const auto& match : box.globalMatch(pdf))
        wide = wide && match.captured(1).toDouble() > match.captured(2).toDouble();
    return wide;
}

// A PDF printer that notes the screen's look when the first page is begun on it: as it is drawn.
class WatchingPrinter : public QPrinter {
  public:
    WatchingPrinter(const QString& file, const QWidget& screen, Look& look)
        : QPrinter(HighResolution), screen_(screen), look_(look) {
        setOutputFormat(PdfFormat);
        setOutputFileName(file);
    }
    QPaintEngine* paintEngine() const override {
        if (look_.empty())
            look_ = lookOf(screen_);
        return QPrinter::paintEngine();
    }

  private:
    const QWidget& screen_;
    Look& look_;
};

// Pages go into a PDF file of a fresh folder; the screen's look is taken when the printer is asked
// for, as the print dialog would show it, and when the page is drawn. The answer key is declined
// unless a test answers otherwise.
class Printing : public testing::Test {
  protected:
    Printing() { printInto(pdf()); }
    ~Printing() override { ui::setPrinterProvider({}); }

    void printInto(const QString& file) {
        ui::setPrinterProvider([this, file](QWidget& screen, std::string_view) -> std::unique_ptr<QPrinter> {
            behindDialog = lookOf(screen);
            duringPrint.clear();
            if (file.isEmpty())
                return nullptr;
            return std::make_unique<WatchingPrinter>(file, screen, duringPrint);
        });
    }
    QString pdf() const { return folder.filePath(QStringLiteral("page.pdf")); }
    void print(ui::Form& sheet) { driver::click(driver::find(sheet, "Command7")); }

    QTemporaryDir folder;
    Look behindDialog, duringPrint;
    bool keyWanted = false;
    driver::MessageBoxes boxes{[this] { return keyWanted; }};
};

TEST_F(Printing, OnePageAndTheScreenExactlyAsBefore) {
    ui::Form& sheet = filledSheet();
    sheet.textBox("Text1", 23).assign("");
    driver::overtype(driver::find(sheet, "Text1(5)"), "-");
    driver::click(driver::find(sheet, "Option1(4)"));
    const Look before = lookOf(sheet);
    print(sheet);
    EXPECT_EQ(pageCount(pdf()), 1);
    EXPECT_EQ(differences(behindDialog, before), "");
    EXPECT_NE(duringPrint, before);
    EXPECT_EQ(lookOf(sheet), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.pdf")});
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
    print(sheet);
    EXPECT_TRUE(duringPrint.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(lookOf(sheet), before);
}

// Problems of every kind the key meets, in rows 1 to 5: mixed numbers, fractions alone, a fraction
// part above 1, a division by zero and a row that is not a complete problem.
struct KnownProblem {
    std::vector<std::pair<int, const char*>> boxes;
    const char* operation;
};
const KnownProblem kKnownProblems[] = {
    {{{20, "1"}, {0, "6"}, {1, "8"}, {21, "1"}, {2, "8"}, {3, "10"}}, "+"},
    {{{4, "2"}, {5, "4"}, {6, "1"}, {7, "10"}}, "-"},
    {{{27, "2"}, {8, "9"}, {9, "6"}, {10, "2"}, {11, "7"}}, "×"},
    {{{12, "1"}, {13, "2"}, {14, "0"}, {15, "5"}}, "÷"},
    {{{16, "3"}}, "+"},
};

ui::Form& sheetOfKnownProblems() {
    ui::Form& sheet = driver::open("frmpq");
    for (int row = 0; row < 5; ++row) {
        for (const auto& [box, text] : kKnownProblems[row].boxes)
            sheet.textBox("Text1", box).assign(text);
        sheet.button("Command6", row).setCaption(kKnownProblems[row].operation);
    }
    return sheet;
}

// What pdftotext reads from a PDF file: the page's lines as they stand on paper, cells parted by
// two blanks or more; here with the direction marks it adds dropped, Arabic letters in their plain
// forms and the blanks within a cell left out.
std::vector<QStringList> linesOfPdf(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    pdftotext.waitForFinished();
    QString text =
        QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[\u202A-\u202E\u2066-\u2069]")));
    std::vector<QStringList> lines;
    for (const QString& line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QStringList cells = line.trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}")));
        for (QString& cell : cells)
            cell.remove(u' ');
        lines.push_back(cells);
    }
    return lines;
}

// The key of kKnownProblems: its title, then each row's answer (left of its "=", its problem and its
// number), as they read on paper from the left.
void expectKeyOfKnownProblems(const QString& key) {
    const QStringList answers = {QStringLiteral("311/20=71/20"), QStringLiteral("2/5"), QStringLiteral("1"),
                                 QStringLiteral("ليسلهاناتج:قسمةعلىصفر")};
    const std::vector<QStringList> lines = linesOfPdf(key);
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0], QStringList{QStringLiteral("ورقةالإجابات")});
    for (int row = 0; row < 4; ++row) {
        ASSERT_EQ(lines[row + 1].size(), 4) << row + 1;
        EXPECT_EQ(lines[row + 1][0], answers[row]) << row + 1;
        EXPECT_TRUE(lines[row + 1][3].contains(QString::number(row + 1)));
    }
    ASSERT_EQ(lines[5].size(), 1); // row 5 is not a complete problem
    EXPECT_TRUE(lines[5][0].contains(u'5'));
}

TEST_F(Printing, TheKeyIsOfferedAfterThePageAndSavedBesideIt) {
    keyWanted = true;
    ui::Form& sheet = sheetOfKnownProblems();
    print(sheet);
    ASSERT_EQ(boxes.asked().size(), 1U);
    EXPECT_EQ(boxes.asked()[0].text, "هل تطبع ورقة الإجابات للمعلم؟");
    EXPECT_EQ(boxes.asked()[0].okCaption, "لا");
    const QString key = folder.filePath(QStringLiteral("page - ورقة الإجابات.pdf"));
    EXPECT_EQ(pageCount(key), 1);
    expectKeyOfKnownProblems(key);
    EXPECT_TRUE(linesOfPdf(pdf()).empty()); // the pupils' page is a picture of the sheet, no answer on it
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(Printing, AFailingPrinterIsToldAndTheScreenRestored) {
    printInto(folder.filePath(QStringLiteral("missing/folder/page.pdf")));
    ui::Form& sheet = filledSheet();
    const Look before = lookOf(sheet);
    print(sheet);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(boxes.asked().empty());
    ASSERT_EQ(boxes.seen().size(), 1U);
    EXPECT_EQ(boxes.seen()[0].title, "تنبيه");
    EXPECT_EQ(boxes.seen()[0].text, "لم تطبع الصفحة: تأكد من الطابعة أو من مكان حفظ الملف ثم أعد المحاولة");
    EXPECT_EQ(lookOf(sheet), before);
}

// Answers the print dialog as soon as it opens, printing (as many copies as asked) or cancelling,
// and notes what it proposed.
class PrintDialogAnswer {
  public:
    explicit PrintDialogAnswer(bool accept, int copies = 1) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, accept, copies] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            if (auto* count = dialog->findChild<QSpinBox*>(QStringLiteral("copies")))
                count->setValue(copies);
            proposed = dialog->printer()->outputFileName();
            behind = lookOf(*dialog->parentWidget());
            landscape = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
            rightToLeft = dialog->layoutDirection() == Qt::RightToLeft;
            printer = dialog->printer()->printerName();
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        });
        timer_.start();
    }
    QString proposed, printer;
    bool landscape = false, rightToLeft = false;
    Look behind; // the screen behind the open dialog

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
        EXPECT_EQ(differences(answer.behind, before), "");
        EXPECT_EQ(lookOf(sheet), before);
        return answer.proposed;
    }

    QTemporaryDir home;
    driver::MessageBoxes boxes;

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

// The print server of tests/worksheet/cups_test.sh, which names its folder in ZEMORA_PRINT_SERVER:
// a printer named PDF with cups-pdf's driver, whose jobs' documents stay in the server's spool.
class PrintServer : public testing::Test {
  protected:
    void SetUp() override {
        if (server.isEmpty())
            GTEST_SKIP() << "runs on the print server that cups_test.sh starts";
    }
    QStringList documents() const {
        return QDir(server + QStringLiteral("/spool"))
            .entryList({QStringLiteral("d*")}, QDir::Files, QDir::Name);
    }
    QString document(const QString& name) const { return server + QStringLiteral("/spool/") + name; }
    // What the printer's driver names itself: its paper sizes, options and their choices.
    QStringList driverTexts() const {
        QStringList texts;
        const QRegularExpression choice(
            R"(^\*\S+[ \t]+[^/:"\n]+/([^:\n]+):|^\*OpenGroup:[ \t]*[^/\n]+/([^\n]+)$)",
            QRegularExpression::MultilineOption);
        for (const auto& match : choice.globalMatch(pdfText(server + QStringLiteral("/ppd/PDF.ppd"))))
            texts << match.captured(1) + match.captured(2);
        const QPrinterInfo printer = QPrinterInfo::printerInfo(QStringLiteral("PDF"));
        texts << printer.makeAndModel() << printer.description() << printer.location();
        return texts;
    }

    const QString server = qEnvironmentVariable("ZEMORA_PRINT_SERVER");
};

// Every text a dialog holds, shown or on a tab not yet opened: captions, tooltips, the choices of its
// lists and the rows of its option tree.
QStringList textsOf(const QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    const auto addRows = [&texts](const QAbstractItemModel& model, const QModelIndex& parent,
                                  auto& self) -> void {
        for (int row = 0; row < model.rowCount(parent); ++row)
            for (int column = 0; column < model.columnCount(parent); ++column) {
                texts << model.index(row, column, parent).data().toString();
                self(model, model.index(row, column, parent), self);
            }
    };
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        else if (auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto* list = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        else if (auto* box = qobject_cast<const QLineEdit*>(widget))
            texts << box->text() << box->placeholderText();
        else if (auto* spin = qobject_cast<const QSpinBox*>(widget))
            texts << spin->prefix() << spin->suffix();
        else if (auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model())
            addRows(*view->model(), {}, addRows);
    }
    texts.removeAll(QString());
    return texts;
}

// Opens the printer properties from the print dialog, and notes the texts of both dialogs before
// closing them without printing.
class DialogTexts {
  public:
    DialogTexts() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    QStringList print, properties;

  private:
    void answer() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (!qobject_cast<QPrintDialog*>(dialog)) {
            properties = textsOf(*dialog);
            dialog->reject();
        } else if (properties.isEmpty()) {
            // Clicked from the event loop: the properties dialog runs its own, which this timer's
            // ticks must reach.
            if (auto* open = dialog->findChild<QPushButton*>(QStringLiteral("properties")))
                QMetaObject::invokeMethod(open, "click", Qt::QueuedConnection);
        } else {
            print = textsOf(*dialog);
            dialog->reject();
        }
    }
    QTimer timer_;
};

// The texts with a Latin letter that is neither the driver's nor the word PDF nor in a file path.
QStringList notArabic(const QStringList& texts, QStringList driverTexts) {
    // The longest first, so that a shorter name inside a longer one does not break it apart.
    std::ranges::sort(driverTexts, [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const QRegularExpression path(R"((^|\s)[/~]\S*)"), latin(QStringLiteral("[A-Za-z]"));
    QStringList found;
    for (const QString& text : texts) {
        QString rest = text;
        for (const QString& driverText : driverTexts)
            rest.remove(driverText);
        rest.remove(path).remove(QStringLiteral("PDF"));
        if (rest.contains(latin))
            found << text;
    }
    return found;
}

TEST_F(PrintServer, ThePrintDialogAndThePrinterPropertiesSpeakArabic) {
    ui::Form& sheet = filledSheet();
    DialogTexts texts;
    driver::click(driver::find(sheet, "Command7"));
    for (const char* text : {"الطّباعة على الوجهين", "التّجليد على الجهة الطّولية", "الصّفحات"})
        EXPECT_TRUE(texts.print.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(texts.properties.contains(QStringLiteral("متقدّمة")));
    EXPECT_EQ(notArabic(texts.print + texts.properties, driverTexts()).join(" | ").toStdString(), "");
}

// The printer's state as CUPS's commands set it, whether a job arrives, and what the teacher is told.
struct PrinterState {
    const char* name;
    std::vector<QString> commands;
    int jobs;
    std::optional<std::string> message;
};

void PrintTo(const PrinterState& c, std::ostream* out) { *out << c.name; }

const PrinterState kPrinterStates[] = {
    {"Running", {"cupsenable", "cupsaccept"}, 1, std::nullopt},
    {"Paused",
     {"cupsaccept", "cupsdisable"},
     1,
     "الطابعة «PDF» متوقفة مؤقتا: ستطبع الصفحة حين تعمل الطابعة من جديد"},
    {"RefusingJobs",
     {"cupsenable", "cupsreject"},
     0,
     "لم تطبع الصفحة: تأكد من الطابعة أو من مكان حفظ الملف ثم أعد المحاولة"},
};

class PrinterStates : public PrintServer, public testing::WithParamInterface<PrinterState> {};

TEST_P(PrinterStates, OneLandscapePageAndTheTeacherToldWhatBecameOfIt) {
    const PrinterState& c = GetParam();
    for (const QString& command : c.commands)
        ASSERT_EQ(QProcess::execute(command, {QStringLiteral("PDF")}), 0) << command.toStdString();
    ui::Form& sheet = filledSheet();
    const QStringList documentsBefore = documents();
    const driver::MessageBoxes boxes;
    PrintDialogAnswer answer(true);
    driver::click(driver::find(sheet, "Command7"));

    EXPECT_EQ(answer.printer, "PDF");
    const QStringList arrived = documents();
    ASSERT_EQ(arrived.size() - documentsBefore.size(), c.jobs);
    if (c.jobs > 0) {
        EXPECT_EQ(pageCount(document(arrived.last())), 1);
        EXPECT_TRUE(landscape(document(arrived.last())));
    }
    ASSERT_EQ(boxes.seen().size(), c.message ? 1U : 0U);
    if (c.message) {
        EXPECT_EQ(boxes.seen()[0].text, *c.message);
    }
}

// The copies a job of the print server asks for, as its control file (beside the document) holds
// them: an IPP integer named "copies"; a job without one asks for one copy.
int copiesOf(const QString& document) {
    QFile control(document.section(u'/', 0, -2) + QStringLiteral("/c") +
                  document.section(u'/', -1).mid(1, 5));
    if (!control.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray attributes = control.readAll();
    const QByteArray name("\x21\x00\x06"
                          "copies\x00\x04",
                          11);
    const qsizetype at = attributes.indexOf(name);
    if (at < 0 || at + name.size() + 4 > attributes.size())
        return 1;
    return qFromBigEndian<qint32>(attributes.constData() + at + name.size());
}

// Three copies of the pupils' page for the class, then the key: one page, one copy, on the same printer.
TEST_F(PrintServer, TheKeyIsOnePageOfOneCopyWhateverTheCopiesOfThePage) {
    for (const char* command : {"cupsenable", "cupsaccept"})
        ASSERT_EQ(QProcess::execute(QString::fromLatin1(command), {QStringLiteral("PDF")}), 0) << command;
    ui::Form& sheet = sheetOfKnownProblems();
    const QStringList documentsBefore = documents();
    const driver::MessageBoxes boxes([] { return true; });
    PrintDialogAnswer answer(true, 3);
    driver::click(driver::find(sheet, "Command7"));

    ASSERT_EQ(boxes.asked().size(), 1U);
    EXPECT_TRUE(boxes.seen().empty());
    const QStringList arrived = documents();
    ASSERT_EQ(arrived.size() - documentsBefore.size(), 2);
    const QString page = document(arrived[arrived.size() - 2]), key = document(arrived.last());
    EXPECT_EQ(copiesOf(page), 3);
    EXPECT_EQ(pageCount(page), 1);
    EXPECT_TRUE(linesOfPdf(page).empty()); // a picture of the sheet: no answer on it
    EXPECT_EQ(copiesOf(key), 1);
    EXPECT_EQ(pageCount(key), 1);
    expectKeyOfKnownProblems(key);
}

INSTANTIATE_TEST_SUITE_P(Worksheet, PrinterStates, testing::ValuesIn(kPrinterStates),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
