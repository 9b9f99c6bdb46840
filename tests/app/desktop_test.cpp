// The screens on the desktops a school has: each screen fits the available area at the desktop's
// scale, the zoom keys enlarge and shrink every screen, and no caption is cut by its widget. The
// desktop is described to Qt's offscreen platform (see tests/CMakeLists.txt); these tests run on
// each of those desktops.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/screen_table.h"
#include "tests/support/driver.h"
#include "ui/form.h"

namespace {

// The caret stays lit, so that two pictures of one screen differ only where the screen does; a
// failed zoom test leaves the program at its own size for the tests after it.
class Desktop : public testing::Test {
  protected:
    void SetUp() override { QGuiApplication::styleHints()->setCursorFlashTime(0); }
    void TearDown() override {
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
        ui::forms::resetZoom();
    }

  private:
    int flashTime_ = QGuiApplication::styleHints()->cursorFlashTime();
};

QRect availableArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Opens every screen as the menu does, the menu first and left open, and hands each to `check`.
template <class Check> void forEveryScreen(Check check) {
    driver::open("frmqqq");
    for (const app::ScreenEntry& entry : app::screenTable()) {
        SCOPED_TRACE(entry.name);
        ui::Form& screen = driver::open(entry.name);
        check(screen);
        if (&screen != ui::forms::loaded().front()) {
            screen.unload();
            driver::settle();
        }
    }
}

TEST_F(Desktop, EveryScreenAndEveryButtonLiesInsideTheAvailableArea) {
    forEveryScreen([](ui::Form& screen) {
        EXPECT_TRUE(availableArea().contains(screen.frameGeometry())) << screen.frameGeometry().x();
        for (QAbstractButton* button : screen.findChildren<QAbstractButton*>()) {
            const QRect where(button->mapToGlobal(QPoint()), button->size());
            EXPECT_TRUE(!button->isVisible() || availableArea().contains(where))
                << button->objectName().toStdString();
        }
    });
}

QString captionOf(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    return static_cast<const QAbstractButton&>(widget).text();
}

void setCaptionOf(QWidget& widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(text);
    else
        static_cast<QAbstractButton&>(widget).setText(text);
}

// What the caption's ink covers, in the widget's pixels: the widget drawn with its caption and without.
QRect inkOf(QWidget& widget) {
    const QString caption = captionOf(widget);
    const QImage with = widget.grab().toImage();
    setCaptionOf(widget, QString());
    const QImage without = widget.grab().toImage();
    setCaptionOf(widget, caption);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    const qreal ratio = with.devicePixelRatio();
    return QRectF(QPointF(ink.topLeft()) / ratio, QSizeF(ink.size()) / ratio).toAlignedRect();
}

// A caption's ink keeps a pixel inside its widget, and a button's a pixel clear of its two-pixel bevel.
void expectNoCaptionCut(QWidget& screen) {
    for (QWidget* widget : screen.findChildren<QWidget*>()) {
        const bool labelOrButton = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget);
        if (!labelOrButton || !widget->isVisible() || captionOf(*widget).isEmpty())
            continue;
        const int inset = qobject_cast<QPushButton*>(widget) ? 3 : 1;
        EXPECT_TRUE(widget->rect().adjusted(inset, inset, -inset, -inset).contains(inkOf(*widget)))
            << widget->objectName().toStdString() << " " << captionOf(*widget).toStdString();
    }
}

TEST_F(Desktop, NoCaptionIsCutByItsWidget) { forEveryScreen(expectNoCaptionCut); }

// A caption of two numbers and a sign between them, with or without blanks ("24-15", "95 - 32", "2×7").
const QRegularExpression kExpression(QStringLiteral(R"(^([\d.]+)(\s*[-+×÷]\s*)([\d.]+)$)"));

// The caption's ink as the label draws it, with its text replaced for the picture.
QImage pictureWithCaption(ui::Label& label, const QString& caption) {
    const QString own = label.text();
    label.setText(caption);
    QImage picture = label.grab().toImage();
    label.setText(own);
    return picture;
}

// Every two-operand expression on a right-to-left label draws its first operand on the right: its
// picture is that of the operands swapped and drawn left to right, not that of the text as it stands.
TEST(Screens, EveryExpressionReadsRightToLeftWithOrWithoutBlanks) {
    const QString leftToRight = QStringLiteral("\u202D%1\u202C");
    int checked = 0;
    forEveryScreen([&](ui::Form& screen) {
        for (ui::Label* label : screen.findChildren<ui::Label*>()) {
            const QRegularExpressionMatch expression = kExpression.match(label->text());
            if (!expression.hasMatch() || label->layoutDirection() != Qt::RightToLeft)
                continue;
            SCOPED_TRACE(label->objectName().toStdString() + " " + label->text().toStdString());
            const QString swapped = expression.captured(3) + expression.captured(2) + expression.captured(1);
            const QImage drawn = label->grab().toImage();
            EXPECT_EQ(drawn, pictureWithCaption(*label, leftToRight.arg(swapped)));
            EXPECT_NE(drawn, pictureWithCaption(*label, leftToRight.arg(label->text())));
            ++checked;
        }
    });
    EXPECT_EQ(checked, 6); // the working pairs of the four tests and the products of two of them
}

// The zoom keys are shortcuts of the active window; a window system of its own (Windows) may give a
// resized window its activation back a moment later, or not at all.
void zoomKey(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QWidget& target = focused ? *focused : *ui::forms::loaded().back();
    driver::activate(*target.window());
    driver::key(target, key, Qt::ControlModifier);
    driver::settle();
}

// The share of pixels that differ by more than blurred edges do, with both pictures taken to half
// their size: a part missing or misplaced in one of them shows, a sharper or softer letter does not.
double shareDiffering(const QImage& a, const QImage& b) {
    const QSize half = a.size() / 2;
    const QImage x =
        a.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    const QImage y =
        b.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))}) > 96;
        }
    return double(differing) / (x.width() * x.height());
}

TEST_F(Desktop, ZoomKeysEnlargeEveryScreenStepByStepAndCtrl0GoesBackToItsOwnSize) {
    ui::Form& quiz = driver::open("frmaddq");
    if (!availableArea().contains(QRect(QPoint(), quiz.sizeAtOne() * 1.6)))
        GTEST_SKIP() << "the desktop is too small to zoom a screen to 150 %";
    auto& box = driver::find<QLineEdit>(quiz, "Text1(0)");
    box.setFocus();
    const QString typed = box.text();
    const QImage atOne = quiz.grab().toImage();

    zoomKey(Qt::Key_Plus);
    zoomKey(Qt::Key_Equal);
    EXPECT_EQ(ui::forms::zoom(), 1.5);
    EXPECT_EQ(quiz.size(), quiz.sizeAtOne() * 1.5);
    EXPECT_EQ(box.text(), typed);
    const ui::Form& menu = driver::open("frmqqq");
    EXPECT_EQ(menu.size(), menu.sizeAtOne() * 1.5);
    expectNoCaptionCut(quiz);
    // The same picture, larger: taken back to its own size it differs from it only where edges blur.
    const QImage larger =
        quiz.grab().toImage().scaled(atOne.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(shareDiffering(atOne, larger), 0.01);

    driver::open("frmaddq");
    zoomKey(Qt::Key_Minus);
    EXPECT_EQ(ui::forms::zoom(), 1.25);
    EXPECT_EQ(quiz.size(), quiz.sizeAtOne() * 1.25);
    zoomKey(Qt::Key_0);
    EXPECT_EQ(ui::forms::zoom(), 1.0);
    EXPECT_EQ(quiz.grab().toImage(), atOne);
}

// A minimized screen stays minimized through the zoom keys, however many, and takes the zoom when it
// is back: resized while minimized, a window comes back at once on some window managers.
TEST_F(Desktop, ZoomKeysLeaveAMinimizedScreenMinimizedAtItsSizeUntilItIsBack) {
    ui::Form& menu = driver::open("frmqqq");
    ui::Form& mixed = driver::open("frmqo");
    zoomKey(Qt::Key_Plus);
    if (mixed.scale() != 1.25)
        GTEST_SKIP() << "the desktop is too small to zoom a screen to 125 %";
    mixed.showMinimized();
    driver::settle();
    driver::open("frmqqq");
    zoomKey(Qt::Key_Minus);
    zoomKey(Qt::Key_Plus);
    zoomKey(Qt::Key_Minus);
    EXPECT_EQ(menu.scale(), 1.0);
    EXPECT_TRUE(mixed.isMinimized());
    EXPECT_EQ(mixed.scale(), 1.25);
    driver::click(driver::find(menu, "Command6"));
    driver::settle();
    EXPECT_FALSE(mixed.isMinimized());
    EXPECT_EQ(mixed.scale(), 1.0);
}

// On a Wayland desktop the program runs natively, and the compositor places its windows.
TEST(Wayland, TheMenuOpensAScreenAndTheProgramEnds) {
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        GTEST_SKIP() << "runs on a Wayland compositor (the wayland test)";
    ui::Form& menu = driver::open("frmqqq");
    driver::find<QAbstractButton>(menu, "Command1").click();
    driver::settle();
    ASSERT_NE(ui::forms::find("frmaddq"), nullptr);
    EXPECT_TRUE(ui::forms::find("frmaddq")->isVisible());
    ui::forms::end();
    driver::settle();
    EXPECT_TRUE(ui::forms::loaded().empty());
}

// The output as the compositor shows it, taken by weston-screenshooter; a null image where it cannot.
QImage screenshotOfTheOutput() {
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), QStringList());
    shooter.waitForFinished();
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.first()));
}

// Where a colour covers the image.
QRect extentOf(const QImage& image, QRgb colour) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// On a 1366 x 768 output at a scale of 2, a zoom step grows the test screen behind the menu, and the
// compositor shows it whole: its background as large as the screen (at twice as many pixels), below
// its title bar and the desktop's panel. A minimized screen keeps its size while it stays minimized.
TEST(Wayland, AZoomStepLeavesEveryScreenWholeOnTheOutput) {
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        GTEST_SKIP() << "runs on a Wayland compositor (the wayland test)";
    ui::Form& menu = driver::open("frmqqq");
    ui::Form& minimized = driver::open("frmqm");
    QTest::qWait(300);
    minimized.showMinimized();
    ui::Form& quiz = driver::open("frmaddq");
    QTest::qWait(300);
    ui::forms::zoomIn(menu);
    QTest::qWait(1000);
    EXPECT_EQ(ui::forms::zoom(), 1.25);
    EXPECT_GT(quiz.scale(), 1.2);
    EXPECT_EQ(minimized.scale(), 1.0);
    const QImage output = screenshotOfTheOutput();
    if (output.isNull())
        GTEST_SKIP() << "weston-screenshooter could not take the output (weston started without --debug?)";
    const QRect background = extentOf(output, qRgb(0x40, 0x00, 0x40)); // the test screen's
    EXPECT_EQ(background.size(), quiz.size() * 2);
    EXPECT_GE(background.top(), 2 * (32 + 30)); // the panel, then the title bar
    ui::forms::resetZoom();
    ui::forms::end();
    driver::settle();
}

} // namespace
