#include "screens/solve/subtraction_solution.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0x8080FF)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(9960, 7140, 1335, 675),
    kButton.called("Command8").text("خروج").at(480, 7140, 1335, 675),
};

} // namespace

SubtractionSolution::SubtractionSolution()
    : Form("frmqam", "الطرح  اكتب انت الأسئلة لتشاهد الاجابة", 11880, 8490, ui::rgb(0x000080)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command8");
    setCancelButton("Command9");
}

} // namespace screens
