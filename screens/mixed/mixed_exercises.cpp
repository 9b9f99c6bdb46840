#include "screens/mixed/mixed_exercises.h"

namespace screens {

namespace {

constexpr auto kButton =
    ui::button("").withFont(ui::arial(20.25, true)).colors(ui::kBlack, ui::rgb(0xC000C0)).asGraphical();

constexpr ui::Spec kLayout[] = {
    kButton.called("Command9").text("رجوع").at(10020, 7440, 1335, 675),
    kButton.called("Command10").text("خروج").at(420, 7200, 1335, 675),
};

} // namespace

MixedExercises::MixedExercises() : Form("frmqo", "اسئلة منوعة", 11880, 8490, ui::rgb(0x400040)) {
    build(kLayout);
    bindBack("Command9");
    bindExit("Command10");
    setCancelButton("Command9");
}

} // namespace screens
