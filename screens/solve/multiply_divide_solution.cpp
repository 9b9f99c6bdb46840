#include "screens/solve/multiply_divide_solution.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0xC000C0)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(10200, 7440, 1335, 675),
    kButton.called("Command8").text("خروج").at(300, 7500, 1335, 675),
};

} // namespace

MultiplyDivideSolution::MultiplyDivideSolution()
    : Form("frmqad", "الضرب والقسمة  اكتب أنت الأسئلة", 11880, 8490, ui::rgb(0x800080)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command8");
    setCancelButton("Command9");
}

} // namespace screens
