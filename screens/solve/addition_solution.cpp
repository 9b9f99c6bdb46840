#include "screens/solve/addition_solution.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0x00C0C0)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(10080, 7380, 1335, 675),
    kButton.called("Command8").text("خروج").at(540, 7320, 1335, 675),
};

} // namespace

AdditionSolution::AdditionSolution()
    : Form("frmqaa", "الجمع اكتب انت الاسئلة", 11880, 8490, ui::rgb(0x008080)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command8");
    setCancelButton("Command9");
}

} // namespace screens
