#include "app/main_menu.h"

#include "assets/pictures.h"

namespace app {

namespace {

struct MenuButton {
    std::string_view name;
    std::string_view caption;
    int top;
    ui::Color back;
    std::string_view target; // the screen it opens; empty for the button that ends the program
};

constexpr ui::Color kDark = ui::rgb(0x808080);
constexpr ui::Color kLight = ui::rgb(0xC0C0C0);

// In their order on screen from the top, which is also the tab order.
constexpr MenuButton kButtons[] = {
    {"Command1", "اختبار الجمع", 180, kDark, "frmaddq"},
    {"Command2", "اختبار الطرح", 840, kDark, "frmqm"},
    {"Command3", "اختبار الضرب", 1500, kDark, "frmqd"},
    {"Command4", "اختبار القسمة", 2160, kDark, "frmqdv"},
    {"Command6", "تمارين متنوعة", 2820, kDark, "frmqo"},
    {"Command10", "طباعة", 3480, ui::rgb(0xE0E0E0), "frmpq"},
    {"Command7", "الجمع", 4250, kLight, "frmqaa"},
    {"Command9", "الضرب والقسمة", 4920, kLight, "frmqad"},
    {"Command8", "الطرح", 5600, kLight, "frmqam"},
    {"Command5", "خروج", 6240, kDark, ""},
};

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

ui::Row buttonRow(const MenuButton& entry, int tab) {
    return ui::button(entry.name)
        .at(180, entry.top, 2235, 555)
        .text(entry.caption)
        .withFont(ui::msSans(9.75, true))
        .colors(ui::kBlack, entry.back)
        .asGraphical()
        .cursor(&assets::menuPointer)
        .tabAt(tab);
}

std::vector<ui::Row> menuLayout() {
    std::vector<ui::Row> items(std::begin(kWidgets), std::end(kWidgets));
    int tab = 0;
    for (const MenuButton& entry : kButtons)
        items.push_back(buttonRow(entry, tab++));
    return items;
}

} // namespace

MainMenu::MainMenu() : Form("frmqqq", "Zemora   إعداد الاستاذ / Tarvel", 11430, 7530, ui::kDesktop) {
    build(menuLayout());
    for (const MenuButton& entry : kButtons) {
        ui::Button& menuButton = button(entry.name);
        menuButton.onGotFocus = [this, top = entry.top] { shape("Shape1").setTopTwips(top - kFrameMargin); };
        if (entry.target.empty())
            menuButton.onClick = [] { ui::forms::end(); };
        else
            menuButton.onClick = [target = entry.target] { ui::forms::show(target); };
    }
    setCancelButton("Command5");
    setDefaultButton("Command10");
}

} // namespace app
