#include "screens/quiz/quiz_screen.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <numbers>
#include <tuple>

#include "assets/pictures.h"
#include "fraction/fraction.h"
#include "screens/common/input.h"
#include "screens/common/rewards.h"

namespace screens {

namespace quiz {

namespace {

constexpr int kStars = 50;
constexpr int kChainStars = 23;
constexpr int kChainWidth = 2340, kChainHeight = 2685;

// The chain bends round like a C opening to the right, from the region's top right corner through
// its left edge to its bottom right corner. Its stars are 225 by 225 at the ends and flatten up to 900
// by 195 where the chain runs straight down.
StarPlace chainStar(const StarGroups& groups, int index) {
    const double turn = std::numbers::pi * index / (kChainStars - 1);
    const double stretch = std::pow(std::sin(turn), 4);
    const int width = static_cast<int>(std::lround(225 + 675 * stretch));
    const int height = static_cast<int>(std::lround(225 - 30 * stretch));
    const double centreX = 450 + (kChainWidth - 900) * (1 - std::sin(turn));
    const double centreY = 113 + (kChainHeight - 226) * (1 - std::cos(turn)) / 2;
    return {index, groups.chainLeft + static_cast<int>(std::lround(centreX - width / 2.0)),
            groups.chainTop + static_cast<int>(std::lround(centreY - height / 2.0)), width, height};
}

// A flower: two stars over three over two, 240 by 225 each, 720 twips wide.
void addFlower(std::vector<StarPlace>& places, std::span<const int> indexes, int left, int top) {
    constexpr int kOffsets[][2] = {{120, 0},   {360, 0},   {0, 240},  {240, 240},
                                   {480, 240}, {120, 480}, {360, 480}};
    for (size_t i = 0; i < indexes.size(); ++i)
        places.push_back({indexes[i], left + kOffsets[i][0], top + kOffsets[i][1], 240, 225});
}

std::vector<StarPlace> starPlaces(const StarGroups& groups) {
    static constexpr int kFlowers[3][7] = {
        {23, 24, 25, 26, 27, 28, 29}, {31, 32, 33, 34, 35, 37, 38}, {41, 42, 43, 44, 45, 47, 48}};
    std::vector<StarPlace> places;
    places.reserve(kStars);
    for (int i = 0; i < kChainStars; ++i)
        places.push_back(chainStar(groups, i));
    for (int flower = 0; flower < 3; ++flower)
        addFlower(places, kFlowers[flower], groups.flowerLefts[flower], groups.flowerTop);
    places.insert(places.end(), groups.large.begin(), groups.large.end());
    return places;
}

std::vector<ui::Row> withStars(const QuizSettings& settings) {
    std::vector<ui::Row> layout(settings.layout.begin(), settings.layout.end());
    for (const StarPlace& place : starPlaces(settings.stars))
        layout.push_back(ui::image("Image1", place.index)
                             .at(place.left, place.top, place.width, place.height)
                             .showing(&assets::star)
                             .hidden());
    return layout;
}

std::string text(double number) { return fraction::numberText(number); }

WorkedProblem startOf(const PanelSettings& panel, WholeRule rule) {
    return work(panel.problems, rule, panel.start);
}

// What screen readers hear besides the widgets: the score as one text, and how many stars shine.
constexpr char kScoreText[] = "الدرجة ";
constexpr char kOutOfText[] = " من ";
constexpr char kStarsText[] = "عدد النجوم المضيئة ";

} // namespace

} // namespace quiz

using namespace quiz;

QuizScreen::QuizScreen(const QuizSettings& settings)
    : Form(settings.name, settings.caption, 11880, 8490, settings.background), settings_(settings),
      parts_(buildParts()), worked_{startOf(settings.upper, settings.rule),
                                    startOf(settings.lower, settings.rule)} {
    bindEvents();
    addSpokenText([this] {
        return kScoreText + parts_.tally.right.caption() + kOutOfText + parts_.tally.attempts.caption();
    });
    addSpokenText([this] { return kStarsText + text(static_cast<double>(litStars())); });
}

// Builds the screen from its layout table and binds, once, the parts its handlers act on.
Parts QuizScreen::buildParts() {
    build(withStars(settings_));
    const auto optional = [this](std::string_view name) { return name.empty() ? nullptr : &button(name); };
    return {.panels = {bindPanel(settings_.upper), bindPanel(settings_.lower)},
            .tally = {.right = label("Label3"),
                      .attempts = label("Label4"),
                      .ticks1 = label("Label7"),
                      .ticks2 = label("Label8")},
            .tickers = {&timer("Timer1"), &timer("Timer2")},
            .levels = {&option("Option1"), &option("Option2")},
            .stars = array<ui::Image>("Image1"),
            .clear = button("Command4"),
            .back = button(settings_.back),
            .exit = button(settings_.exit),
            .cancelButton = optional(settings_.cancelButton),
            .defaultButton = optional(settings_.defaultButton)};
}

PanelParts QuizScreen::bindPanel(const PanelSettings& settings) {
    const PanelWidgets& w = settings.widgets;
    PanelParts panel{.settings = settings,
                     .reducedSign = label("Label2", w.reducedSign),
                     .wholeSign = label("Label2", w.wholeSign),
                     .evaluate = button(w.evaluate),
                     .newButtons = {&button(settings.newButtons[0]), &button(settings.newButtons[1])}};
    // Each pair of terms with its Label1 and Text1, -1 where the panel has none.
    const std::tuple<Terms, IndexPair, IndexPair> pairs[] = {
        {{Term::A, Term::B}, {w.problem[0], w.problem[1]}, {}},
        {{Term::C, Term::D}, {w.problem[2], w.problem[3]}, {}},
        {kResult, {w.n, w.d}, w.resultBoxes},
        {kReduced, w.reduced, w.reducedBoxes},
        {kWhole, {w.whole}, {w.wholeBox}},
        {kWorking, w.working, {}},
        {kCopy, w.copy, w.copyBoxes},
        {kReciprocal, w.reciprocal, w.reciprocalBoxes}};
    const auto bind = [&](Term term, int labelIndex, int boxIndex) {
        if (labelIndex >= 0)
            panel.labels[static_cast<size_t>(term)] = &label("Label1", labelIndex);
        if (boxIndex >= 0)
            panel.boxes[static_cast<size_t>(term)] = &textBox("Text1", boxIndex);
    };
    for (const auto& [terms, labels, boxes] : pairs) {
        bind(terms.numerator, labels.numerator, boxes.numerator);
        bind(terms.denominator, labels.denominator, boxes.denominator);
    }
    for (int box : w.answerBoxes)
        panel.answerBoxes.push_back(&textBox("Text1", box));
    for (int index : w.rowLabels)
        panel.row.push_back(&label("Label1", index));
    for (const RowSign& sign : w.rowSigns)
        panel.rowSigns.push_back({label("Label2", sign.sign), panel.label(sign.with)});
    return panel;
}

void QuizScreen::bindEvents() {
    parts_.tickers[0]->onTick = [this] { advanceCounter(parts_.tally.ticks1, settings_.bound1); };
    parts_.tickers[1]->onTick = [this] { advanceCounter(parts_.tally.ticks2, settings_.bound2); };
    parts_.levels[0]->onClick = [this] { chooseLevel(0); };
    parts_.levels[1]->onClick = [this] { chooseLevel(1); };
    for (size_t index : {0U, 1U}) {
        const PanelParts& panel = parts_.panels[index];
        for (int level : {0, 1})
            panel.newButtons[level]->onClick = [this, index, level] { newProblem(index, level); };
        panel.evaluate.onClick = [this, index] { evaluate(index); };
        for (ui::TextBox* box : panel.answerBoxes) {
            box->onChange = [box] { filterInput(*box); };
            box->onClick = [box] { box->selectWhole(); };
            box->onGotFocus = [box] { box->selectWhole(); };
        }
    }
    parts_.tally.right.onChange = [this] { rewardCheck(); };
    parts_.clear.onClick = [this] { clearScore(); };
    bindBack(parts_.back);
    bindExit(parts_.exit);
    if (parts_.cancelButton)
        setCancelButton(*parts_.cancelButton);
    if (parts_.defaultButton) {
        const PanelParts& panel = panelMadeBy(*parts_.defaultButton);
        setDefaultButton(*parts_.defaultButton, [&panel] { return answersEmpty(panel); });
    }
}

void QuizScreen::advanceCounter(ui::Label& ticks, int bound) {
    ticks.setNumber(std::fmod(ticks.number() + 1, bound));
}

// The level lives in which new button of each panel is visible; the upper panel is served first.
void QuizScreen::chooseLevel(int level) {
    for (const PanelParts& panel : parts_.panels) {
        panel.newButtons[level]->show();
        panel.newButtons[1 - level]->hide();
        panel.newButtons[level]->press();
    }
}

void QuizScreen::newProblem(size_t index, int level) {
    const PanelParts& panel = parts_.panels[index];
    hideRow(panel);
    const int ticks1 = static_cast<int>(parts_.tally.ticks1.number());
    const int ticks2 = static_cast<int>(parts_.tally.ticks2.number());
    const PanelProblems& problems = panel.settings.problems;
    worked_[index] = work(problems, settings_.rule, problems.formulas[level](ticks1, ticks2));
    show(panel, worked_[index]);
    for (ui::TextBox* box : panel.answerBoxes)
        box->assign("");
    panel.evaluate.setEnabled(true);
}

// Writes the problem and its solution into the panel's labels, in the order of the working, and
// shows the boxes the problem asks for.
void QuizScreen::show(const PanelParts& panel, const WorkedProblem& worked) {
    std::vector<Term> terms = {Term::A, Term::B, Term::C, Term::D};
    for (const Caption& caption : worked.solution.labels)
        terms.push_back(caption.term);
    terms.insert(terms.end(), {Term::Numerator, Term::Denominator, Term::ReducedNumerator,
                               Term::ReducedDenominator, Term::Whole});
    for (Term term : terms)
        if (ui::Label* label = panel.label(term))
            label->setCaption(worked.text(term));
    const bool asksReduced = worked.completion.asksReduced();
    const std::initializer_list<QWidget*> reducedPair = {
        panel.box(Term::ReducedNumerator), panel.box(Term::ReducedDenominator), &panel.reducedSign};
    for (QWidget* widget : reducedPair)
        widget->setVisible(asksReduced);
    panel.box(Term::Whole)->setVisible(worked.completion.asksWhole);
    panel.wholeSign.setVisible(worked.completion.asksWhole);
}

void QuizScreen::evaluate(size_t index) {
    const PanelParts& panel = parts_.panels[index];
    const WorkedProblem& worked = worked_[index];
    panel.evaluate.setEnabled(false);
    for (const Step& step : panel.settings.plan)
        if (runs(step.guard, worked.completion))
            mark(panel, worked, step);
    reveal(panel);
}

// The panel whose problems a new button makes.
const PanelParts& QuizScreen::panelMadeBy(const ui::Button& newButton) const {
    const PanelParts& upper = parts_.panels[0];
    return std::ranges::find(upper.newButtons, &newButton) != upper.newButtons.end() ? upper
                                                                                     : parts_.panels[1];
}

// Enter makes a new problem only while this is true, so it never throws away a typed answer.
bool QuizScreen::answersEmpty(const PanelParts& panel) {
    return std::ranges::all_of(panel.answerBoxes,
                               [](const ui::TextBox* box) { return box->value().empty(); });
}

// Each typed box is read once; the expected numbers are the worked problem's own.
void QuizScreen::mark(const PanelParts& panel, const WorkedProblem& worked, const Step& step) {
    const WrittenFraction typed{Written::read(panel.typed(step.typed.numerator)),
                                Written::read(panel.typed(step.typed.denominator))};
    const WrittenFraction expected{worked.number(step.expected.numerator),
                                   worked.number(step.expected.denominator)};
    // The right count rises first, so the reward check it runs still sees the old attempt count.
    if (isRight(step.kind, typed, expected))
        addToScore(parts_.tally.right, step.weight);
    addToScore(parts_.tally.attempts, step.weight);
}

void QuizScreen::reveal(const PanelParts& panel) {
    for (ui::Label* solution : panel.row)
        solution->setVisible(!fraction::trimmed(solution->caption()).empty());
    for (const SignPart& sign : panel.rowSigns)
        sign.sign.setVisible(!sign.with || ui::shown(*sign.with));
}

void QuizScreen::hideRow(const PanelParts& panel) {
    for (ui::Label* solution : panel.row)
        solution->hide();
    for (const SignPart& sign : panel.rowSigns)
        sign.sign.hide();
}

void QuizScreen::addToScore(ui::Label& count, double weight) {
    count.setNumber(count.number() + weight);
    spokenTextsChanged();
}

int QuizScreen::litStars() const {
    return static_cast<int>(
        std::ranges::count_if(parts_.stars, [](const ui::Image* star) { return ui::shown(*star); }));
}

void QuizScreen::rewardCheck() {
    if (earnsStar(parts_.tally.right.number(), parts_.tally.attempts.number(), settings_.everyFourthGate))
        lightStar();
}

// The first hidden star lights; once all the others shine, the last one does.
void QuizScreen::lightStar() {
    static constexpr auto kOrder = [] {
        std::array<int, kStars> order{};
        std::iota(order.begin(), order.end(), 0);
        return order;
    }();
    parts_.stars[rewards::nextToShow(kOrder, [this](int star) { return ui::shown(*parts_.stars[star]); })]
        ->show();
}

void QuizScreen::clearScore() {
    if (settings_.clearHidesStars)
        for (ui::Image* star : parts_.stars)
            star->hide();
    parts_.tally.right.setNumber(0);
    parts_.tally.attempts.setNumber(0);
    spokenTextsChanged();
}

} // namespace screens
