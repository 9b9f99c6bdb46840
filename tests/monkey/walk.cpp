#include "tests/monkey/walk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

#include "fraction/fraction.h"
#include "tests/monkey/invariants.h"
#include "ui/print.h"
#include "ui/widgets.h"

namespace monkey {

namespace {

// The pieces typed texts are made of: digits, Arabic-Indic digits, Arabic and Latin letters, signs,
// points, exponents and blanks.
const QString kAlphabet = QStringLiteral("0123456789٠١٢٣٤٥٦٧٨٩ابتثجحمنe+-. E\tx");
// Whole texts a pupil might type or paste: long numbers, decimals, exponents, out-of-range values.
const char* const kWholeTexts[] = {"12345678901234567890",
                                   "-98765432109876543210",
                                   "3.25",
                                   "-0.5",
                                   "1e5",
                                   "2E-3",
                                   "1e999",
                                   "-1e-999",
                                   "٣٤",
                                   "-٧",
                                   "0",
                                   "00",
                                   "0.0",
                                   "-",
                                   " 7 ",
                                   "1.79769313486231E+308",
                                   "4.94065645841247E-324",
                                   "+4"};
const Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace,
                         Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Home,   Qt::Key_End};

std::string name(const QWidget& widget) { return widget.objectName().toStdString(); }

// The named widgets of a kind a pupil can reach on a screen: shown with all their parents, enabled.
template <class Kind> std::vector<Kind*> reachable(ui::Form& screen) {
    std::vector<Kind*> found;
    for (Kind* widget : screen.findChildren<Kind*>())
        if (!widget->objectName().isEmpty() && widget->isVisibleTo(&screen) && widget->isEnabled())
            found.push_back(widget);
    return found;
}

// Where pages go while the monkey walks: a PDF file, no printer at all, or a file that cannot be
// written; each must leave the worksheet as it was.
ui::PrinterProvider faultyPrinters(std::mt19937_64& random, const QString& folder) {
    return [&random, folder](QWidget& screen, std::string_view) -> std::unique_ptr<QPrinter> {
        switch (random() % 3) {
        case 0:
            return ui::pdfPrinter(folder + QStringLiteral("/page.pdf"), screen);
        case 1:
            return nullptr;
        default:
            return ui::pdfPrinter(folder + QStringLiteral("/missing/folder/page.pdf"), screen);
        }
    };
}

// Qt warns about every page that could not be begun; the unwritable file does that on purpose, and
// thousands of those lines would bury a failing walk's report.
QtMessageHandler forwardedMessages = nullptr;
void withoutPrinterWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QStringLiteral("QPainter::begin(): Returned false")))
        forwardedMessages(type, context, message);
}

} // namespace

Walk::Walk(std::uint64_t seed) : seed_(seed), random_(seed) {
    ui::setPrinterProvider(faultyPrinters(random_, pages_.path()));
    forwardedMessages = qInstallMessageHandler(withoutPrinterWarnings);
}

Walk::~Walk() {
    qInstallMessageHandler(forwardedMessages);
    ui::setPrinterProvider({});
}

int Walk::below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }

void Walk::log(const ui::Form& screen, const std::string& action) {
    actions_.push_back(std::to_string(actions_.size() + 1) + ". " + name(screen) + ": " + action);
}

std::string Walk::report() const {
    std::string text = "monkey seed " + std::to_string(seed_) + ", actions taken:\n";
    for (const std::string& action : actions_)
        text += "  " + action + "\n";
    return text;
}

std::optional<std::string> Walk::run(int count) {
    for (int i = 0; i < count; ++i) {
        act();
        driver::settle();
        if (auto failure = broken(actions_.back()))
            return failure;
    }
    return std::nullopt;
}

// The screen in front: the active window, or the screen loaded last while none is active.
ui::Form& Walk::topScreen() {
    if (auto* active = dynamic_cast<ui::Form*>(QApplication::activeWindow()))
        return *active;
    return *ui::forms::loaded().back();
}

// When Exit has closed every screen, the program is started again.
void Walk::act() {
    if (ui::forms::loaded().empty()) {
        log(driver::open("frmqqq"), "start the program");
        return;
    }
    ui::Form& screen = topScreen();
    const int choice = below(100);
    if (choice < 45)
        clickSomething(screen);
    else if (choice < 80)
        typeSomething(screen);
    else if (choice < 94)
        pressKey(screen);
    else if (choice < 96)
        letTimePass(screen);
    else if (choice < 98)
        switchScreen();
    else {
        log(screen, "close box");
        screen.close();
    }
}

void Walk::clickSomething(ui::Form& screen) {
    std::vector<QWidget*> targets;
    for (QAbstractButton* button : reachable<QAbstractButton>(screen))
        targets.push_back(button);
    for (QLabel* label : reachable<QLabel>(screen))
        targets.push_back(label);
    const int pick = below(static_cast<int>(targets.size()) + 1);
    if (pick == static_cast<int>(targets.size())) {
        const QPoint point(below(screen.width()), below(screen.height()));
        log(screen, "click the screen at " + std::to_string(point.x()) + "," + std::to_string(point.y()));
        driver::clickAt(screen, point);
        return;
    }
    log(screen, "click " + name(*targets[pick]));
    driver::click(*targets[pick]);
}

std::string Walk::typedText() {
    if (below(3) == 0)
        return kWholeTexts[below(std::size(kWholeTexts))];
    QString text;
    for (int length = 1 + below(8); length > 0; --length)
        text += kAlphabet[below(static_cast<int>(kAlphabet.size()))];
    return text.toStdString();
}

// Overtyping (click, Home, Shift+End, keys), typing on at the caret, or pasting.
void Walk::typeSomething(ui::Form& screen) {
    const std::vector<QLineEdit*> boxes = reachable<QLineEdit>(screen);
    if (boxes.empty())
        return clickSomething(screen);
    QLineEdit& box = *boxes[below(static_cast<int>(boxes.size()))];
    const std::string text = typedText();
    const QString typed = QString::fromStdString(text);
    switch (below(3)) {
    case 0:
        log(screen, "overtype " + name(box) + " \"" + text + "\"");
        driver::overtype(box, typed);
        break;
    case 1:
        log(screen, "click " + name(box) + ", type \"" + text + "\"");
        driver::click(box);
        driver::type(box, typed);
        break;
    default:
        log(screen, "click " + name(box) + ", paste \"" + text + "\"");
        driver::click(box);
        QApplication::clipboard()->setText(typed);
        driver::key(box, Qt::Key_V, Qt::ControlModifier);
    }
}

void Walk::pressKey(ui::Form& screen) {
    const Qt::Key key = kKeys[below(std::size(kKeys))];
    QWidget* focused = QApplication::focusWidget();
    QWidget& target = focused && focused->window() == &screen ? *focused : screen;
    log(screen, "key " + QKeySequence(key).toString().toStdString() + " on " + name(target));
    driver::key(target, key);
}

// The screen's running timers tick as if seconds to minutes had passed, so that the tick counters
// wrap round their bounds within a walk.
void Walk::letTimePass(ui::Form& screen) {
    const int ticks = 1 + below(1600);
    log(screen, std::to_string(ticks) + " timer ticks");
    for (ui::Timer* timer : screen.findChildren<ui::Timer*>())
        for (int tick = 0; tick < ticks && timer->isActive() && timer->onTick; ++tick)
            timer->onTick();
}

// A click on a window behind the front one brings it forward.
void Walk::switchScreen() {
    const std::vector<ui::Form*>& loaded = ui::forms::loaded();
    ui::Form& screen = *loaded[below(static_cast<int>(loaded.size()))];
    log(screen, "bring to the front");
    screen.activateWindow();
}

namespace {

std::string captionOf(const ui::Form& screen, std::string_view widget) {
    return driver::textOf(driver::find(screen, QString::fromUtf8(widget.data(), widget.size())));
}

bool shownOn(const ui::Form& screen, std::string_view widget) {
    return ui::shown(driver::find(screen, QString::fromUtf8(widget.data(), widget.size())));
}

bool isNumberText(const std::string& text) {
    return fraction::isNumeric(text) && fraction::numberText(fraction::value(text)) == text;
}

// The mixed-number panel of the worked-solution screens takes any text: a number that is not one
// simply leaves its result as it was.
bool isUnfilteredPanelBox(const ui::Form& screen, const QLineEdit& box) {
    static const QStringList solveScreens = {"frmqaa", "frmqam", "frmqad"};
    return solveScreens.contains(screen.objectName()) && box.objectName().startsWith("Text2(");
}

// Every other box is filtered: empty, a lone "-", or a number with Latin digits.
std::optional<std::string> unfilteredBox(const ui::Form& screen) {
    for (const QLineEdit* box : screen.findChildren<QLineEdit*>()) {
        const std::string text = box->text().toStdString();
        if (!box->objectName().isEmpty() && !isUnfilteredPanelBox(screen, *box) &&
            fraction::filterInput(text) != text)
            return name(*box) + " holds \"" + text + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> badCounter(const ui::Form& screen, const ScreenRules& rules) {
    for (const Counter& counter : rules.counters) {
        const std::string text = captionOf(screen, counter.label);
        const double value = fraction::value(text);
        if (!isNumberText(text) || value != std::trunc(value) || value < 0 || value >= counter.bound)
            return "tick counter " + std::string(counter.label) + " shows \"" + text + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> badMarking(const ui::Form& screen, const ScreenRules& rules) {
    for (const Marking& marking : rules.markings) {
        const bool marked = shownOn(screen, marking.solution);
        if (driver::find(screen, QString::fromUtf8(marking.button.data())).isEnabled() == marked)
            return std::string(marking.button) + (marked ? " enabled while" : " disabled while not") +
                   " marked";
    }
    for (std::string_view label : rules.shownOnlyNonEmpty)
        if (shownOn(screen, label) && fraction::trimmed(captionOf(screen, label)).empty())
            return std::string(label) + " shown empty";
    for (std::string_view widget : rules.alwaysShown)
        if (!shownOn(screen, widget))
            return std::string(widget) + " left hidden";
    int pictures = 0;
    for (const QWidget* picture : screen.array("Image1"))
        pictures += ui::shown(*picture) ? 1 : 0;
    if (pictures > rules.maxPictures)
        return std::to_string(pictures) + " pictures shown";
    return std::nullopt;
}

} // namespace

// Scores are number texts, right never above attempted, and never smaller than after the last
// action on the same loaded screen, unless that action went to the clear button.
std::optional<std::string> Walk::badScore(const ui::Form& screen, const ScreenRules& rules,
                                          const std::string& lastAction) {
    std::vector<double> values;
    for (const ScorePair& pair : rules.scores) {
        const std::string right = captionOf(screen, pair.right), attempts = captionOf(screen, pair.attempts);
        if (!isNumberText(right) || !isNumberText(attempts) ||
            fraction::value(right) > fraction::value(attempts))
            return "score " + right + " over " + attempts;
        values.push_back(fraction::value(right));
        values.push_back(fraction::value(attempts));
    }
    Scores& before = scores_[name(screen)];
    const bool cleared =
        !rules.clearButton.empty() && lastAction.ends_with(" " + std::string(rules.clearButton));
    if (before.screen == &screen && !cleared)
        for (size_t i = 0; i < values.size(); ++i)
            if (values[i] < before.values[i])
                return "a score fell from " + fraction::numberText(before.values[i]) + " to " +
                       fraction::numberText(values[i]);
    before = {&screen, values};
    return std::nullopt;
}

std::optional<std::string> Walk::broken(const std::string& lastAction) {
    if (QApplication::activeModalWidget())
        return "a message box stayed open";
    for (const ui::Form* screen : ui::forms::loaded()) {
        std::optional<std::string> failure = unfilteredBox(*screen);
        const std::optional<ScreenRules> rules = rulesFor(*screen);
        if (!rules)
            failure = "the monkey has no rules for this screen";
        else if (!failure && !(failure = badCounter(*screen, *rules)) &&
                 !(failure = badMarking(*screen, *rules)))
            failure = badScore(*screen, *rules, lastAction);
        if (failure)
            return name(*screen) + ": " + *failure;
    }
    return std::nullopt;
}

} // namespace monkey
