#include "tests/monkey/invariants.h"

namespace monkey {

namespace {

constexpr Counter kTestCounters[] = {{"Label7", 500}, {"Label8", 400}};
constexpr ScorePair kTestScore[] = {{"Label3", "Label4"}};
constexpr Marking kTestMarkings[] = {{"Command3", "Label1(6)"}, {"Command7", "Label1(13)"}};
constexpr std::string_view kTestSolutionRows[] = {"Label1(4)",  "Label1(5)",  "Label1(6)",  "Label1(7)",
                                                  "Label1(8)",  "Label1(9)",  "Label1(10)", "Label1(13)",
                                                  "Label1(14)", "Label1(15)", "Label1(16)", "Label1(17)"};

// The multiplication and division tests count to other bounds and reveal other solution rows.
constexpr Counter kProductCounters[] = {{"Label7", 453}, {"Label8", 400}};
constexpr std::string_view kProductSolutionRows[] = {"Label1(4)",  "Label1(5)",  "Label1(6)",  "Label1(7)",
                                                     "Label1(8)",  "Label1(9)",  "Label1(10)", "Label1(13)",
                                                     "Label1(14)", "Label1(15)", "Label1(16)", "Label1(17)"};
constexpr std::string_view kQuotientSolutionRows[] = {
    "Label1(4)",  "Label1(5)",  "Label1(6)",  "Label1(7)",  "Label1(8)",  "Label1(9)",  "Label1(10)",
    "Label1(11)", "Label1(12)", "Label1(13)", "Label1(14)", "Label1(15)", "Label1(16)", "Label1(17)",
    "Label1(18)", "Label1(22)", "Label1(23)", "Label1(24)", "Label1(25)", "Label1(26)"};

constexpr ScorePair kMixedScores[] = {
    {"Label15", "Label16"}, {"Label17", "Label18"}, {"Label19", "Label20"}, {"Label21", "Label22"}};

constexpr Counter kWorksheetCounters[] = {
    {"Label2", 1048}, {"Label3", 900}, {"Label4", 864}, {"Label5", 1536}};
constexpr std::string_view kWorksheetButtons[] = {"Command7", "Command8", "Command9", "Command10", "Frame1"};

// A worked solution shows a step box only with something in it.
constexpr std::string_view kSumSteps[] = {
    "Label1(0)",  "Label1(1)",  "Label1(2)",  "Label1(3)",  "Label1(4)",  "Label1(5)",  "Label1(6)",
    "Label1(7)",  "Label1(8)",  "Label1(9)",  "Label1(10)", "Label1(11)", "Label1(12)", "Label1(13)",
    "Label1(14)", "Label1(15)", "Label1(16)", "Label1(17)", "Label1(18)", "Label1(19)"};
constexpr std::string_view kProductSteps[] = {
    "Label1(0)",  "Label1(1)",  "Label1(2)",  "Label1(3)",  "Label1(4)",  "Label1(5)",
    "Label1(6)",  "Label1(7)",  "Label1(8)",  "Label1(9)",  "Label1(10)", "Label1(11)",
    "Label1(12)", "Label1(13)", "Label1(14)", "Label1(15)", "Label1(16)", "Label1(17)",
    "Label1(18)", "Label1(19)", "Label1(20)", "Label1(21)"};

constexpr ScreenRules kRules[] = {
    {"frmqaa", {}, {}, {}, {}, kSumSteps, {}, 0},
    {"frmqam", {}, {}, {}, {}, kSumSteps, {}, 0},
    {"frmqad", {}, {}, {}, {}, kProductSteps, {}, 0},
    {"frmaddq", kTestCounters, kTestScore, "Command4", kTestMarkings, kTestSolutionRows, {}, 50},
    {"frmqm", kTestCounters, kTestScore, "Command4", kTestMarkings, kTestSolutionRows, {}, 50},
    {"frmqd", kProductCounters, kTestScore, "Command4", kTestMarkings, kProductSolutionRows, {}, 50},
    {"frmqdv", kProductCounters, kTestScore, "Command4", kTestMarkings, kQuotientSolutionRows, {}, 50},
    {"frmqo", {}, kMixedScores, "Command8", {}, {}, {}, 61},
    {"frmpq", kWorksheetCounters, {}, {}, {}, {}, kWorksheetButtons, 0},
};

} // namespace

const ScreenRules* rulesFor(std::string_view screen) {
    for (const ScreenRules& rules : kRules)
        if (rules.screen == screen)
            return &rules;
    return nullptr;
}

} // namespace monkey
