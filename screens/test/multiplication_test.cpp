#include "screens/test/multiplication_test.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0xC0C0FF)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command8").text("رجوع").at(10080, 7260, 1335, 675),
    kButton.called("Command9").text("خروج").at(540, 7260, 1335, 675),
};

} // namespace

MultiplicationTest::MultiplicationTest()
    : Form("frmqd", "الضرب في الأعداد النسبية", 11880, 8490, ui::rgb(0x000040)) {
    build(kLayout);
    bindBack("Command8");
    bindExit("Command9");
    setCancelButton("Command8");
}

} // namespace screens
