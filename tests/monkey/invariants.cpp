#include "tests/monkey/invariants.h"

#include "screens/quiz/quiz_screen.h"
#include "screens/worksheet/problems.h"

namespace monkey {

namespace {

std::vector<std::string> labels(std::string_view name, int first, int last) {
    std::vector<std::string> named;
    for (int index = first; index <= last; ++index)
        named.push_back(ui::utf8(ui::widgetName(name, index)));
    return named;
}

// A test screen: its counters, score, marking buttons and solution rows, as its settings have them.
ScreenRules quizRules(const screens::QuizScreen& quiz) {
    const screens::quiz::QuizSettings& settings = quiz.settings();
    ScreenRules rules{.counters = {{"Label7", settings.bound1}, {"Label8", settings.bound2}},
                      .scores = {{"Label3", "Label4"}},
                      .clearButton = "Command4",
                      .maxPictures = 50};
    for (const screens::quiz::PanelSettings* panel : {&settings.lower, &settings.upper}) {
        rules.markings.push_back(
            {panel->widgets.evaluate, ui::utf8(ui::widgetName("Label1", panel->widgets.n))});
        for (int label : panel->widgets.rowLabels)
            rules.shownOnlyNonEmpty.push_back(ui::utf8(ui::widgetName("Label1", label)));
    }
    return rules;
}

ScreenRules worksheetRules() {
    ScreenRules rules{.alwaysShown = {"Command7", "Command8", "Command9", "Command10", "Frame1"}};
    constexpr std::string_view kCounterLabels[] = {"Label2", "Label3", "Label4", "Label5"};
    for (size_t c = 0; c < std::size(kCounterLabels); ++c)
        rules.counters.push_back({kCounterLabels[c], screens::worksheet::kTickCounters[c].bound});
    return rules;
}

// A worked solution shows a step box only with something in it.
ScreenRules solutionRules(int lastStep) { return {.shownOnlyNonEmpty = labels("Label1", 0, lastStep)}; }

ScreenRules mixedRules() {
    return {.scores = {{"Label15", "Label16"},
                       {"Label17", "Label18"},
                       {"Label19", "Label20"},
                       {"Label21", "Label22"}},
            .clearButton = "Command8",
            .maxPictures = 61};
}

} // namespace

std::optional<ScreenRules> rulesFor(const ui::Form& screen) {
    if (const auto* quiz = dynamic_cast<const screens::QuizScreen*>(&screen))
        return quizRules(*quiz);
    const std::string name = ui::utf8(screen.objectName());
    if (name == "frmqqq")
        return ScreenRules{.maxPictures = 1}; // its backdrop
    if (name == "frmqaa" || name == "frmqam")
        return solutionRules(19);
    if (name == "frmqad")
        return solutionRules(21);
    if (name == "frmqo")
        return mixedRules();
    if (name == "frmpq")
        return worksheetRules();
    return std::nullopt;
}

} // namespace monkey
