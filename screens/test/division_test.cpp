#include "screens/test/division_test.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0xFF8080)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(10200, 7380, 1095, 615),
    kButton.called("Command8").text("خروج").at(480, 7380, 1095, 615),
};

} // namespace

DivisionTest::DivisionTest() : Form("frmqdv", "قسمة الاعداد النسبية", 11880, 8490, ui::rgb(0x400000)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command8");
    setCancelButton("Command9");
}

} // namespace screens
