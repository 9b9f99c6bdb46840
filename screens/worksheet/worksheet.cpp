#include "screens/worksheet/worksheet.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::msSans(9.75, true)).colors(ui::kBlack, ui::rgb(0xFFE0C0)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command8").text("رجوع للصفحة الرئيسة").at(7320, 1800, 2295, 495),
    kButton.called("Command9").text("خروج من البرنامج").at(240, 1800, 1995, 495),
};

} // namespace

Worksheet::Worksheet() : Form("frmpq", "الطباعة إعداد أ / Morvane", 11880, 8490, ui::kWindow) {
    build(kLayout);
    bindBack("Command8");
    button("Command9").onClick = [] { ui::forms::end(); };
}

} // namespace screens
