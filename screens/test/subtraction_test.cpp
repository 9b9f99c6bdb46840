#include "screens/test/subtraction_test.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0x00FFFF)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(10320, 7320, 1335, 675),
    kButton.called("Command8").text("خروج").at(840, 7200, 1335, 675),
};

} // namespace

SubtractionTest::SubtractionTest() : Form("frmqm", "طرح الاعداد النسبية", 11880, 8490, ui::rgb(0x004040)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command8");
    setCancelButton("Command9");
}

} // namespace screens
