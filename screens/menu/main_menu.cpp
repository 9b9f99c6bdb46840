#include "screens/menu/main_menu.h"

#include <algorithm>
#include <vector>

#include "assets/pictures.h"
#include "screens/mixed/mixed_exercises.h"
#include "screens/quiz/addition_quiz.h"
#include "screens/quiz/division_quiz.h"
#include "screens/quiz/multiplication_quiz.h"
#include "screens/quiz/subtraction_quiz.h"
#include "screens/solve/multiply_divide_solution.h"
#include "screens/solve/sum_solution.h"
#include "screens/worksheet/worksheet.h"

namespace screens {

namespace {

struct MenuButton {
    std::string_view name;
    int top;
    ui::Color back;
    std::string_view opens; // the name of the screen it opens; empty for the button that ends the program
};

constexpr ui::Color kDark = ui::rgb(0x808080);
constexpr ui::Color kLight = ui::rgb(0xC0C0C0);

// In their order on screen from the top, which is also the tab order. Each opens its screen and
// carries that screen's Arabic name; the last ends the program.
constexpr MenuButton kButtons[] = {
    {"Command1", 180, kDark, AdditionQuiz::kName},
    {"Command2", 840, kDark, SubtractionQuiz::kName},
    {"Command3", 1500, kDark, MultiplicationQuiz::kName},
    {"Command4", 2160, kDark, DivisionQuiz::kName},
    {"Command6", 2820, kDark, MixedExercises::kName},
    {"Command10", 3480, ui::rgb(0xE0E0E0), Worksheet::kName},
    {"Command7", 4250, kLight, kAdditionSolutionName},
    {"Command9", 4920, kLight, MultiplyDivideSolution::kName},
    {"Command8", 5600, kLight, kSubtractionSolutionName},
    {"Command5", 6240, kDark, ""},
};
constexpr std::string_view kExitCaption = "خروج";

// The row of the screen a menu button opens, or null for the button that ends the program.
const ScreenEntry* opened(std::span<const ScreenEntry> opens, const MenuButton& button) {
    for (const ScreenEntry& screen : opens)
        if (screen.name == button.opens)
            return &screen;
    return nullptr;
}

// The focus frame stands 60 twips above the top of the button it surrounds.
constexpr int kFrameMargin = 60;

constexpr ui::Row kWidgets[] = {
    ui::image("Image1").at(0, 0, 11400, 7620).asBackdrop().showing(&assets::menuBackground),
    ui::shape("Shape1").at(120, 120, 2355, 680).roundedCorners().outline(ui::rgb(0x80FF80), 6),
    ui::label("Label1")
        .at(3480, 2640, 4695, 1155)
        .text("مرحبــــــــــــــا ")
        .withFont(ui::arial(36))
        .foreColor(ui::kYellow)
        .center(),
    ui::label("Label2")
        .at(4380, 1800, 4455, 555)
        .text("العمليات الأربع في الأعداد النسبية")
        .withFont(ui::trad(20.25, true))
        .foreColor(ui::kWhite)
        .center()
        .rtl(),
    ui::label("Label3")
        .at(120, 7020, 3015, 375)
        .text("zemora@example.org")
        .withFont(ui::arial(12, true))
        .foreColor(ui::kYellow)
        .center(),
    ui::label("Label4")
        .at(3840, 5940, 2895, 615)
        .text("ت/ 000 000 000")
        .withFont(ui::arial(15.75, true))
        .foreColor(ui::kWhite)
        .center(),
};

ui::Row buttonRow(const MenuButton& entry, const ScreenEntry* target, int tab) {
    return ui::button(entry.name)
        .at(180, entry.top, 2235, 555)
        .text(target ? target->arabicName : kExitCaption)
        .withFont(ui::msSans(9.75, true))
        .colors(ui::kBlack, entry.back)
        .asGraphical()
        .cursor(&assets::menuPointer)
        .tabAt(tab);
}

std::vector<ui::Row> menuLayout(std::span<const ScreenEntry> opens) {
    std::vector<ui::Row> items(std::begin(kWidgets), std::end(kWidgets));
    int tab = 0;
    for (const MenuButton& entry : kButtons)
        items.push_back(buttonRow(entry, opened(opens, entry), tab++));
    return items;
}

// The menu's parts, bound once from its layout table. Esc presses the exit button; Enter presses the
// focused button, or the worksheet's when no button has the focus.
struct Parts {
    ui::Shape& focusFrame;
    std::vector<ui::Button*> buttons; // in the order of kButtons
    ui::Button& exit;
    ui::Button& worksheet;
};

Parts bind(ui::Form& menu) {
    Parts parts{menu.shape("Shape1"), {}, menu.button("Command5"), menu.button("Command10")};
    for (const MenuButton& entry : kButtons)
        parts.buttons.push_back(&menu.button(entry.name));
    menu.setCancelButton(parts.exit);
    menu.setDefaultButton(parts.worksheet);
    return parts;
}

} // namespace

MainMenu::MainMenu(std::span<const ScreenEntry> opens)
    : Form(kName, "Zemora   إعداد الاستاذ / Tarvel", 11430, 7530, ui::kDesktop) {
    build(menuLayout(opens));
    const Parts parts = bind(*this);
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        ui::Button& button = *parts.buttons[i];
        button.onGotFocus = [&frame = parts.focusFrame, top = kButtons[i].top] {
            frame.setTopTwips(top - kFrameMargin);
        };
        if (const ScreenEntry* target = opened(opens, kButtons[i]))
            button.onClick = [name = target->name] { ui::forms::show(name); };
    }
    parts.exit.onClick = [] { ui::forms::end(); };
}

std::string_view MainMenu::buttonOpening(std::string_view screen) {
    const auto* button = std::ranges::find(kButtons, screen, &MenuButton::opens);
    return button != std::end(kButtons) ? button->name : std::string_view();
}

} // namespace screens
