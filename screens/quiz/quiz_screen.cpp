#include "screens/quiz/quiz_screen.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <numbers>

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

} // namespace

} // namespace quiz

using namespace quiz;

QuizScreen::QuizScreen(const QuizSettings& settings)
    : Form(settings.name, settings.caption, 11880, 8490, settings.background), settings_(settings) {
    build(withStars(settings));
    tally_.emplace(Tally{.right = label("Label3"),
                         .attempts = label("Label4"),
                         .ticks1 = label("Label7"),
                         .ticks2 = label("Label8")});
    bindEvents();
    addSpokenText(
        [this] { return "الدرجة " + tally_->right.caption() + " من " + tally_->attempts.caption(); });
    addSpokenText([this] { return "عدد النجوم المضيئة " + text(static_cast<double>(litStars())); });
}

void QuizScreen::bindEvents() {
    onTimer("Timer1", [this] { advanceCounter(tally_->ticks1, settings_.bound1); });
    onTimer("Timer2", [this] { advanceCounter(tally_->ticks2, settings_.bound2); });
    onClick("Option1", [this](int) { chooseLevel(0); });
    onClick("Option2", [this](int) { chooseLevel(1); });
    for (const PanelSettings* panel : {&settings_.upper, &settings_.lower}) {
        for (int level : {0, 1})
            onClick(panel->newButtons[level], [this, panel, level](int) { newProblem(*panel, level); });
        onClick(panel->widgets.evaluate, [this, panel](int) { evaluate(*panel); });
    }
    onChange("Text1", [this](int i) { filterInput(textBox("Text1", i)); });
    onClick("Text1", [this](int i) { textBox("Text1", i).selectWhole(); });
    onGotFocus("Text1", [this](int i) { textBox("Text1", i).selectWhole(); });
    tally_->right.onChange = [this] { rewardCheck(); };
    onClick("Command4", [this](int) { clearScore(); });
    bindBack(settings_.back);
    bindExit(settings_.exit);
    if (!settings_.cancelButton.empty())
        setCancelButton(settings_.cancelButton);
    if (!settings_.defaultButton.empty())
        setDefaultButton(settings_.defaultButton,
                         [this] { return answersEmpty(panelMadeBy(settings_.defaultButton)); });
}

void QuizScreen::advanceCounter(ui::Label& ticks, int bound) {
    ticks.setNumber(std::fmod(ticks.number() + 1, bound));
}

// The level lives in which new button of each panel is visible; the upper panel is served first.
void QuizScreen::chooseLevel(int level) {
    for (const PanelSettings* panel : {&settings_.upper, &settings_.lower}) {
        button(panel->newButtons[level]).show();
        button(panel->newButtons[1 - level]).hide();
        button(panel->newButtons[level]).press();
    }
}

void QuizScreen::newProblem(const PanelSettings& panel, int level) {
    const PanelWidgets& widgets = panel.widgets;
    hideRow(widgets);
    const int l7 = static_cast<int>(tally_->ticks1.number());
    const int l8 = static_cast<int>(tally_->ticks2.number());
    writeProblem(panel, panel.problems.formulas[level](l7, l8));
    askFor(widgets, complete(settings_.rule, label("Label1", widgets.n).caption(),
                             label("Label1", widgets.d).caption()));
    for (int box : widgets.answerBoxes)
        textBox("Text1", box).assign("");
    button(widgets.evaluate).setEnabled(true);
}

void QuizScreen::writeProblem(const PanelSettings& panel, const Problem& problem) {
    const PanelWidgets& widgets = panel.widgets;
    const int numbers[] = {problem.a, problem.b, problem.c, problem.d};
    for (int i = 0; i < 4; ++i)
        if (widgets.problem[i] >= 0)
            label("Label1", widgets.problem[i]).setCaption(text(numbers[i]));
    const Solution solution = panel.problems.solve(problem);
    for (const Caption& caption : solution.labels)
        label("Label1", caption.index).setCaption(caption.text);
    label("Label1", widgets.n).setCaption(solution.n);
    label("Label1", widgets.d).setCaption(solution.d);
}

// Fills the reduced and whole labels and shows the boxes the problem asks for.
void QuizScreen::askFor(const PanelWidgets& widgets, const Completion& completion) {
    label("Label1", widgets.reducedNumerator).setCaption(completion.reducedNumerator);
    label("Label1", widgets.reducedDenominator).setCaption(completion.reducedDenominator);
    label("Label1", widgets.whole).setCaption(completion.whole);
    const std::initializer_list<QWidget*> reducedPair = {&textBox("Text1", widgets.reducedBoxNumerator),
                                                         &textBox("Text1", widgets.reducedBoxDenominator),
                                                         &label("Label2", widgets.reducedSign)};
    for (QWidget* widget : reducedPair)
        widget->setVisible(completion.asksReduced);
    textBox("Text1", widgets.wholeBox).setVisible(completion.asksWhole);
    label("Label2", widgets.wholeSign).setVisible(completion.asksWhole);
}

void QuizScreen::evaluate(const PanelSettings& panel) {
    button(panel.widgets.evaluate).setEnabled(false);
    for (const Step& step : panel.plan)
        if (runs(step.guard))
            mark(step);
    reveal(panel.widgets);
}

// The panel whose problems a new button makes.
const PanelSettings& QuizScreen::panelMadeBy(std::string_view newButton) const {
    return std::ranges::find(settings_.upper.newButtons, newButton) != settings_.upper.newButtons.end()
               ? settings_.upper
               : settings_.lower;
}

// Enter makes a new problem only while this is true, so it never throws away a typed answer.
bool QuizScreen::answersEmpty(const PanelSettings& panel) const {
    return std::ranges::all_of(panel.widgets.answerBoxes,
                               [this](int box) { return textBox("Text1", box).value().empty(); });
}

bool QuizScreen::runs(const Guard& guard) const {
    return (guard.shown < 0 || ui::shown(textBox("Text1", guard.shown))) &&
           (guard.hidden < 0 || !ui::shown(textBox("Text1", guard.hidden)));
}

void QuizScreen::mark(const Step& step) {
    const auto typed = [this](int i) { return i < 0 ? std::string() : textBox("Text1", i).value(); };
    const auto expected = [this](int i) { return i < 0 ? std::string() : label("Label1", i).caption(); };
    const std::string typedTexts[] = {typed(step.typed[0]), typed(step.typed[1])};
    const std::string expectedTexts[] = {expected(step.expected[0]), expected(step.expected[1])};
    // The right count rises first, so the reward check it runs still sees the old attempt count.
    if (isRight(step.kind, {typedTexts[0], typedTexts[1]}, {expectedTexts[0], expectedTexts[1]}))
        addToScore(tally_->right, step.weight);
    addToScore(tally_->attempts, step.weight);
}

void QuizScreen::reveal(const PanelWidgets& widgets) {
    for (int index : widgets.rowLabels) {
        ui::Label& solution = label("Label1", index);
        solution.setVisible(!fraction::trimmed(solution.caption()).empty());
    }
    for (const RowSign& sign : widgets.rowSigns)
        label("Label2", sign.sign).setVisible(sign.label < 0 || ui::shown(label("Label1", sign.label)));
}

void QuizScreen::hideRow(const PanelWidgets& widgets) {
    for (int index : widgets.rowLabels)
        label("Label1", index).hide();
    for (const RowSign& sign : widgets.rowSigns)
        label("Label2", sign.sign).hide();
}

void QuizScreen::addToScore(ui::Label& count, double weight) {
    count.setNumber(count.number() + weight);
    spokenTextsChanged();
}

int QuizScreen::litStars() const {
    const std::vector<QWidget*> stars = array("Image1");
    return static_cast<int>(
        std::ranges::count_if(stars, [](const QWidget* star) { return ui::shown(*star); }));
}

void QuizScreen::rewardCheck() {
    if (earnsStar(tally_->right.number(), tally_->attempts.number(), settings_.everyFourthGate))
        lightStar();
}

// The first hidden star of Image1(0) to Image1(48) lights; once they all shine, Image1(49) does.
void QuizScreen::lightStar() {
    static constexpr auto kOrder = [] {
        std::array<int, kStars> order{};
        std::iota(order.begin(), order.end(), 0);
        return order;
    }();
    image("Image1",
          rewards::nextToShow(kOrder, [this](int star) { return ui::shown(image("Image1", star)); }))
        .show();
}

void QuizScreen::clearScore() {
    if (settings_.clearHidesStars)
        for (QWidget* star : array("Image1"))
            star->hide();
    tally_->right.setNumber(0);
    tally_->attempts.setNumber(0);
    spokenTextsChanged();
}

} // namespace screens
