#include "screens/test/addition_test.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0xC000C0)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(10140, 7560, 1335, 675),
    kButton.called("Command8").text("خروج").at(480, 7500, 1335, 675),
};

} // namespace

AdditionTest::AdditionTest() : Form("frmaddq", "جمع الأعداد النسبية", 11880, 8490, ui::rgb(0x400040)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command8");
}

} // namespace screens
