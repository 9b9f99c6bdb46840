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

// A screen opened for a benchmark and unloaded after it.
class OpenScreen {
  public:
    explicit OpenScreen(std::string_view name) : screen_(openScreen(name)) {}
    ~OpenScreen() { closeScreen(screen_); }
    ui::Form* operator->() const { return &screen_; }
    const ui::Form& operator*() const { return screen_; }

  private:
    ui::Form& screen_;
};

// The screen's timers tick once each, so the next problem differs from the last.
void tick(const ui::Form& screen) {
    for (ui::Timer* timer : screen.findChildren<ui::Timer*>())
        if (timer->onTick)
            timer->onTick();
}

void typeProblem(const OpenScreen& screen, const char* d) {
    const char* const texts[] = {"1", "2", "3", d};
    for (int field = 0; field < 4; ++field)
        screen->textBox("Text1", field).assign(texts[field]);
}

// Alternates between two digits so that every keystroke changes the field.
const char* nextDigit(int& count) { return ++count % 2 ? "5" : "7"; }

void keystroke(benchmark::State& state) {
    const OpenScreen screen("frmqaa");
    typeProblem(screen, "4");
    ui::TextBox& d = screen->textBox("Text1", 3);
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        d.selectAll();
        const QString digit = nextDigit(count);
        state.ResumeTiming();
        driver::type(d, digit);
    }
}

void solve(benchmark::State& state) {
    const OpenScreen screen("frmqaa");
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        typeProblem(screen, nextDigit(count));
        state.ResumeTiming();
        screen->button("Command2").press();
    }
}

void newProblem(benchmark::State& state) {
    const OpenScreen screen("frmaddq");
    for (auto _ : state) {
        state.PauseTiming();
        tick(*screen);
        state.ResumeTiming();
        screen->button("Command5").press();
    }
}

void evaluate(benchmark::State& state) {
    const OpenScreen screen("frmaddq");
    for (auto _ : state) {
        state.PauseTiming();
        tick(*screen);
        screen->button("Command5").press();
        screen->textBox("Text1", 9).assign("7");
        screen->textBox("Text1", 8).assign("5");
        state.ResumeTiming();
        screen->button("Command7").press();
    }
}

void mixedCheck(benchmark::State& state) {
    const OpenScreen screen("frmqo");
    for (auto _ : state) {
        state.PauseTiming();
        screen->button("Command2").press();
        screen->textBox("Text2", 0).assign("7");
        screen->textBox("Text2", 1).assign("3");
        state.ResumeTiming();
        screen->button("Command1").press();
    }
}

void worksheetFill(benchmark::State& state) {
    const OpenScreen screen("frmpq");
    for (auto _ : state) {
        state.PauseTiming();
        tick(*screen);
        state.ResumeTiming();
        screen->button("Command10").press();
    }
}

// The floors: a keystroke into a plain QLineEdit, and a click on a plain QPushButton whose slot sets
// one QLabel's text, each in a shown window.
void keystrokeFloor(benchmark::State& state) {
    QWidget window;
    window.setObjectName(QStringLiteral("keystroke floor"));
    auto* edit = new QLineEdit(QStringLiteral("4"), &window);
    awaitPaint(window.objectName(), [&] { window.show(); });
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit->selectAll();
        const QString digit = nextDigit(count);
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
    int count = 0;
    QObject::connect(button, &QPushButton::clicked, label, [&] { label->setText(nextDigit(count)); });
    awaitPaint(window.objectName(), [&] { window.show(); });
    for (auto _ : state)
        button->click();
}

struct Handler {
    const char* label;
    const char* name;
    void (*run)(benchmark::State&);
    const char* floor;
};

constexpr Handler kHandlers[] = {
    {"keystroke in a worked-solution field", "keystroke frmqaa", keystroke, "keystroke floor"},
    {"solve (frmqaa)", "solve frmqaa", solve, "click floor"},
    {"new problem (frmaddq)", "new problem frmaddq", newProblem, "click floor"},
    {"evaluate (frmaddq)", "evaluate frmaddq", evaluate, "click floor"},
    {"mixed-exercise check (frmqo)", "check frmqo", mixedCheck, "click floor"},
    {"worksheet fill (frmpq)", "fill frmpq", worksheetFill, "click floor"},
};

} // namespace

std::vector<PlannedLine> registerHandlers() {
    measured(benchmark::RegisterBenchmark("keystroke floor", keystrokeFloor));
    measured(benchmark::RegisterBenchmark("click floor", clickFloor));
    std::vector<PlannedLine> lines;
    for (const Handler& handler : kHandlers) {
        measured(benchmark::RegisterBenchmark(handler.name, handler.run));
        lines.push_back(
            {handler.label, handler.name, handler.floor, Unit::Microseconds, {Target::Below, 1000}});
    }
    return lines;
}

} // namespace bench
