#include "screens/worksheet/worksheet.h"

#include <algorithm>
#include <array>
#include <string>

#include "fraction/fraction.h"
#include "screens/common/input.h"

namespace screens {

namespace {

using worksheet::kRows;

// The screen's texts besides its layout table's captions: its title, and what screen readers call
// each box.
namespace text {
constexpr std::string_view kTitle = "الطباعة إعداد أ / Morvane";
constexpr std::string_view kProblem = "المسألة ";
constexpr std::string_view kNumerator = "بسط الكسر ", kDenominator = "مقام الكسر ";
constexpr std::string_view kFirst = "الأول", kSecond = "الثاني";
constexpr std::string_view kWholeNumber = "العدد الصحيح ";
} // namespace text

// One problem row, read right to left: the row button, the first fraction with its whole-number box
// A, the operator, the second fraction with box B, and "=". Row r (0-based) has the fractions
// Text1(4r)/Text1(4r+1) and Text1(4r+2)/Text1(4r+3), the whole-number boxes kWholeBoxes[r], bars
// Line1(2r) and Line1(2r+1), operator Command6(r) and "=" Command6(r+5).
struct ProblemRow {
    std::string_view button, number;
    int boxAHeight;
    int numeratorTop, denominatorTop, barY, middleTop;
};
constexpr ProblemRow kProblemRows[kRows] = {
    {"Command1", "(1)", 555, 2520, 2940, 2880, 2640}, {"Command2", "(2)", 585, 3600, 4020, 3960, 3720},
    {"Command3", "(3)", 555, 4920, 5340, 5280, 5040}, {"Command4", "(4)", 585, 6000, 6420, 6360, 6120},
    {"Command5", "(5)", 585, 7080, 7500, 7440, 7200},
};

using worksheet::kBoxes;
using worksheet::kFractions;
using worksheet::kWholeBoxes;
constexpr int kFirstFractionLeft = 10200, kBoxALeft = 9720, kOperatorLeft = 9360;
constexpr int kSecondFractionLeft = 8640, kBoxBLeft = 8160, kEqualsLeft = 7800;
constexpr int kFractionWidth = 735, kBarWidth = 600;
constexpr int kRowSeparators[] = {3360, 4560, 5760, 6840};

// The hidden counter labels and the timers that advance them, in the order of kTickCounters.
struct CounterNames {
    std::string_view label, timer;
};
constexpr CounterNames kCounterNames[] = {
    {"Label2", "Timer1"}, {"Label3", "Timer2"}, {"Label4", "Timer3"}, {"Label5", "Timer4"}};
static_assert(std::size(kCounterNames) == worksheet::kTickCounters.size());

constexpr auto kHeaderButton =
    ui::button("").withFont(ui::msSans(9.75, true)).colors(ui::kBlack, ui::rgb(0xFFE0C0)).asGraphical();
constexpr auto kOption = ui::option("Option1")
                             .withFont(ui::msSans(9.75, true))
                             .colors(ui::kWhite, ui::rgb(0x400000))
                             .asGraphical()
                             .in("Frame1");
constexpr auto kPupilLine = ui::label("").withFont(ui::msSans(13.5)).right().rtl();
constexpr auto kCounter = ui::label("").text("0").hidden();
constexpr auto kSmallButton =
    ui::button("Command6").withFont(ui::msSans(13.5)).colors(ui::kBlack, ui::kWhite).asGraphical();
constexpr auto kBox = ui::textBox("Text1").withFont(ui::arial(14.25, true)).center().bordered();

constexpr ui::Row kHeader[] = {
    kPupilLine.called("Label6").text("الفصل / ").at(6000, 600, 3735, 495),
    kPupilLine.called("Label1").text("الاســـم /").at(6000, 1200, 3735, 495),
    ui::frame("Frame1")
        .text("اختر العملية")
        .at(9960, 120, 1695, 2175)
        .withFont(ui::msSans(9.75, true))
        .colors(ui::kWhite, ui::rgb(0x800000))
        .rtl(),
    kOption.idx(0).text("عملية الجمع").at(120, 240, 1455, 375).selected(),
    kOption.idx(1).text("عملية الطرح").at(120, 600, 1455, 375),
    kOption.idx(2).text("عملية الضرب").at(120, 960, 1455, 375),
    kOption.idx(3).text("عملية القسمة").at(120, 1320, 1455, 375),
    kOption.idx(4).text("كل العمليات").at(120, 1680, 1455, 375),
    kHeaderButton.called("Command8").text("رجوع للصفحة الرئيسة").at(7320, 1800, 2295, 495),
    kHeaderButton.called("Command10").text("اسئلة عشوائية").at(4920, 1800, 2235, 495),
    kHeaderButton.called("Command7").text("طباعــة الصفحة").at(2580, 1800, 2115, 495),
    kHeaderButton.called("Command9").text("خروج من البرنامج").at(240, 1800, 1995, 495),
    ui::line("Line1", 14, 120, 1800, 11880, 1800),
    kCounter.called(kCounterNames[0].label).at(5760, 240, 495, 495),
    kCounter.called(kCounterNames[1].label).at(5760, 720, 495, 495),
    kCounter.called(kCounterNames[2].label).at(3840, 240, 495, 495),
    kCounter.called(kCounterNames[3].label).at(3720, 720, 495, 495),
};

// What screen readers call each box: its problem and its part ("المسألة 3: بسط الكسر الثاني").
const std::array<std::string, kBoxes>& boxNames() {
    static const std::array<std::string, kBoxes> names = [] {
        std::array<std::string, kBoxes> named;
        for (int r = 0; r < kRows; ++r) {
            const std::string problem = std::string(text::kProblem) + std::to_string(r + 1) + ": ";
            for (const auto& [k, ordinal] : {std::pair{0, text::kFirst}, std::pair{1, text::kSecond}}) {
                const int numerator = 2 * (2 * r + k);
                named[numerator] = problem + std::string(text::kNumerator) + std::string(ordinal);
                named[numerator + 1] = problem + std::string(text::kDenominator) + std::string(ordinal);
            }
            named[kWholeBoxes[r].a] = problem + std::string(text::kWholeNumber) + std::string(text::kFirst);
            named[kWholeBoxes[r].b] = problem + std::string(text::kWholeNumber) + std::string(text::kSecond);
        }
        return named;
    }();
    return names;
}

ui::Row box(int index) { return kBox.idx(index).says(boxNames()[index]); }

// A fraction: numerator and denominator boxes with the bar between them, centred under the numerator.
void addFraction(std::vector<ui::Row>& items, int fraction, int left, const ProblemRow& row) {
    items.push_back(box(2 * fraction).at(left, row.numeratorTop, kFractionWidth, 300).maxLen(3));
    items.push_back(box(2 * fraction + 1).at(left, row.denominatorTop, kFractionWidth, 330).maxLen(3));
    const int barLeft = left + (kFractionWidth - kBarWidth) / 2;
    items.push_back(ui::line("Line1", fraction, barLeft, row.barY, barLeft + kBarWidth, row.barY));
}

void addRow(std::vector<ui::Row>& items, int r) {
    const ProblemRow& row = kProblemRows[r];
    items.push_back(kSmallButton.called(row.button).text(row.number).at(11040, row.middleTop, 495, 495));
    addFraction(items, 2 * r, kFirstFractionLeft, row);
    items.push_back(box(kWholeBoxes[r].a).at(kBoxALeft, row.middleTop, 495, row.boxAHeight).maxLen(2));
    addFraction(items, 2 * r + 1, kSecondFractionLeft, row);
    items.push_back(box(kWholeBoxes[r].b).at(kBoxBLeft, row.middleTop, 495, 555).maxLen(2));
    // After the fractions, so the operator covers the edge of the boxes it overlaps by one pixel.
    items.push_back(kSmallButton.idx(r).text("+").at(kOperatorLeft, row.middleTop, 375, 375));
    items.push_back(kSmallButton.idx(r + kRows).text("=").at(kEqualsLeft, row.middleTop, 375, 375));
}

// The boxes take the focus row by row in reading order: first fraction, box A, second fraction, box B.
void setBoxTabOrder(std::vector<ui::Row>& items) {
    int tab = 0;
    for (ui::Row& item : items)
        if (item.kind == ui::Kind::TextBox)
            item = item.tabAt(tab++);
}

std::vector<ui::Row> worksheetLayout() {
    std::vector<ui::Row> items(std::begin(kHeader), std::end(kHeader));
    for (int r = 0; r < kRows; ++r)
        addRow(items, r);
    for (int i = 0; i < std::ssize(kRowSeparators); ++i)
        items.push_back(ui::line("Line1", kFractions + i, 120, kRowSeparators[i], 11880, kRowSeparators[i]));
    for (size_t c = 0; c < std::size(kCounterNames); ++c)
        items.push_back(ui::timer(kCounterNames[c].timer).every(worksheet::kTickCounters[c].interval));
    setBoxTabOrder(items);
    return items;
}

} // namespace

Worksheet::Worksheet() : Form(kName, text::kTitle, 11880, 8490, ui::kWindow), parts_(buildParts()) {
    bindHandlers();
    bindBack(parts_.back);
    bindExit(parts_.exit);
}

// Builds the screen from its layout table and binds, once, the parts its handlers act on.
worksheet::Parts Worksheet::buildParts() {
    build(worksheetLayout());
    worksheet::Parts parts{.print = button("Command7"),
                           .back = button("Command8"),
                           .exit = button("Command9"),
                           .fillAll = button("Command10"),
                           .operations = frame("Frame1")};
    for (size_t c = 0; c < std::size(kCounterNames); ++c)
        parts.counters.push_back(
            {label(kCounterNames[c].label), timer(kCounterNames[c].timer), worksheet::kTickCounters[c]});
    for (const ProblemRow& row : kProblemRows)
        parts.rowButtons.push_back(&button(row.button));
    for (int index = 0; index < 2 * kRows; ++index)
        parts.operators.push_back(&button("Command6", index));
    for (int box = 0; box < kBoxes; ++box)
        parts.boxes.push_back(&textBox("Text1", box));
    for (int k = 0; k < kFractions; ++k)
        parts.bars.push_back(&line("Line1", k));
    parts.operationOptions = array("Option1");
    return parts;
}

void Worksheet::bindHandlers() {
    for (const worksheet::CounterParts& counter : parts_.counters)
        counter.timer.onTick = [&counter] { advance(counter); };
    for (int row = 1; row <= kRows; ++row)
        parts_.rowButtons[row - 1]->onClick = [this, row] { fillProblem(row); };
    parts_.fillAll.onClick = [this] { fillAllProblems(); };
    onClick(parts_.operationOptions, [this](int option) { chooseOperation(option); });
    for (int index = 0; index < std::ssize(parts_.operators); ++index)
        parts_.operators[index]->onClick = [this, index] { cycleOperator(index); };
    for (ui::TextBox* box : parts_.boxes) {
        box->onChange = [box] { filterInput(*box); };
        box->onClick = [box] { box->selectWhole(); };
        box->onGotFocus = [box] { box->selectWhole(); };
    }
    parts_.print.onClick = [this] { printPage(); };
}

// A counter's caption read as a whole number; the timers only ever write whole numbers into it.
std::int64_t Worksheet::count(const worksheet::CounterParts& counter) {
    return fraction::integerValue(counter.count.number()).value_or(0);
}

void Worksheet::advance(const worksheet::CounterParts& counter) {
    counter.count.setNumber(static_cast<double>(worksheet::nextTick(counter.rule, count(counter))));
}

worksheet::CounterValues Worksheet::counterValues() const {
    worksheet::CounterValues values{};
    std::ranges::transform(parts_.counters, values.begin(), &Worksheet::count);
    return values;
}

void Worksheet::fillProblem(int row) {
    for (const auto& [box, value] : worksheet::fillRow(row, counterValues()))
        parts_.boxes[box]->assign(fraction::numberText(static_cast<double>(value)));
}

// All five rows come from the same four counter values: the handler runs between two ticks.
void Worksheet::fillAllProblems() {
    for (ui::Button* row : parts_.rowButtons)
        row->press();
}

void Worksheet::chooseOperation(int option) {
    const auto captions = worksheet::operatorsFor(option);
    for (int r = 0; r < kRows; ++r)
        parts_.operators[r]->setCaption(captions[r]);
}

// Operator buttons cycle; the "=" buttons after them do nothing.
void Worksheet::cycleOperator(int index) {
    if (index >= kRows)
        return;
    ui::Button& op = *parts_.operators[index];
    op.setCaption(worksheet::nextOperator(op.caption()));
}

} // namespace screens
