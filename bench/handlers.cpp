// One handler at a time on an open screen; whatever sets the stage for the next run (typing the
// problem, advancing the tick counters, making a new problem to evaluate) is left out of the time.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "bench/in_process.h"
#include "bench/probe.h"
#include "tests/support/driver.h"
#include "ui/form.h"

namespace bench {

namespace {

// The screen's timers tick once each, so the next problem differs from the last.
void tick(ui::Form& screen) {
    for (ui::Timer* timer : screen.findChildren<ui::Timer*>())
        if (timer->onTick)
            timer->onTick();
}

// The other of two digits than the text holds, so that every change is a change.
const char* otherDigit(const QString& text) { return text == QStringLiteral("5") ? "7" : "5"; }

// A problem on the worked-solution screen whose last denominator changes every time.
void changeProblem(ui::Form& screen) {
    const char* const texts[] = {"1", "2", "3", otherDigit(screen.textBox("Text1", 3).text())};
    for (int field = 0; field < 4; ++field)
        screen.textBox("Text1", field).assign(texts[field]);
}

void newProblemToEvaluate(ui::Form& screen) {
    tick(screen);
    screen.button("Command5").press();
    screen.textBox("Text1", 9).assign("7");
    screen.textBox("Text1", 8).assign("5");
}

void newQuestionToCheck(ui::Form& screen) {
    screen.button("Command2").press();
    screen.textBox("Text2", 0).assign("7");
    screen.textBox("Text2", 1).assign("3");
}

struct Press {
    std::string_view screen, button;
    void (*prepare)(ui::Form&); // sets the stage for the next press, out of the time
};

void pressRepeatedly(benchmark::State& state, const Press& press) {
    ui::Form& screen = openScreen(press.screen);
    for (auto _ : state) {
        state.PauseTiming();
        press.prepare(screen);
        if (!screen.button(press.button).isEnabled()) {
            state.SkipWithError("the button is disabled: its handler would not run");
            break;
        }
        state.ResumeTiming();
        screen.button(press.button).press();
    }
    closeScreen(screen);
}

void keystroke(benchmark::State& state) {
    ui::Form& screen = openScreen("frmqaa");
    changeProblem(screen);
    ui::TextBox& d = screen.textBox("Text1", 3);
    for (auto _ : state) {
        state.PauseTiming();
        d.selectAll();
        const QString digit = otherDigit(d.text());
        state.ResumeTiming();
        driver::type(d, digit);
    }
    closeScreen(screen);
}

// The floors: a keystroke into a plain QLineEdit, and a click on a plain QPushButton whose slot sets
// one QLabel's text, each in a shown window.
void keystrokeFloor(benchmark::State& state) {
    QWidget window;
    window.setObjectName(QStringLiteral("keystroke floor"));
    auto* edit = new QLineEdit(QStringLiteral("4"), &window);
    awaitPaint(window.objectName(), [&] { window.show(); });
    for (auto _ : state) {
        state.PauseTiming();
        edit->selectAll();
        const QString digit = otherDigit(edit->text());
        state.ResumeTiming();
        driver::type(*edit, digit);
    }
}

void clickFloor(benchmark::State& state) {
    QWidget window;
    window.setObjectName(QStringLiteral("click floor"));
    auto* button = new QPushButton(QStringLiteral("زر"), &window);
    auto* label = new QLabel(&window);
    label->move(0, 40);
    QObject::connect(button, &QPushButton::clicked, label,
                     [label] { label->setText(otherDigit(label->text())); });
    awaitPaint(window.objectName(), [&] { window.show(); });
    for (auto _ : state)
        button->click();
}

struct PressedHandler {
    const char* label;
    const char* name;
    Press press;
};

constexpr PressedHandler kPressed[] = {
    {"solve (frmqaa)", "solve frmqaa", {"frmqaa", "Command2", changeProblem}},
    {"new problem (frmaddq)", "new problem frmaddq", {"frmaddq", "Command5", tick}},
    {"evaluate (frmaddq)", "evaluate frmaddq", {"frmaddq", "Command7", newProblemToEvaluate}},
    {"mixed-exercise check (frmqo)", "check frmqo", {"frmqo", "Command1", newQuestionToCheck}},
    {"worksheet fill (frmpq)", "fill frmpq", {"frmpq", "Command10", tick}},
};

constexpr Target kWellUnderAMillisecond{Target::Below, 1000};

} // namespace

std::vector<PlannedLine> registerHandlers() {
    measured(benchmark::RegisterBenchmark("keystroke floor", keystrokeFloor));
    measured(benchmark::RegisterBenchmark("click floor", clickFloor));
    measured(benchmark::RegisterBenchmark("keystroke frmqaa", keystroke));
    std::vector<PlannedLine> lines{{"keystroke in a worked-solution field", "keystroke frmqaa",
                                    "keystroke floor", Unit::Microseconds, kWellUnderAMillisecond}};
    for (const PressedHandler& handler : kPressed) {
        measured(benchmark::RegisterBenchmark(handler.name, pressRepeatedly, handler.press));
        lines.push_back(
            {handler.label, handler.name, "click floor", Unit::Microseconds, kWellUnderAMillisecond});
    }
    return lines;
}

} // namespace bench
