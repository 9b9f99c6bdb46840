#include "screens/mixed/mixed_layout.h"

#include <algorithm>

#include "assets/pictures.h"
#include "screens/mixed/texts.h"

namespace screens::mixed {

namespace {

constexpr ui::Color kPurple = ui::rgb(0x800080);
constexpr ui::Color kButtonBack = ui::rgb(0xC000C0);

constexpr auto kNumber = ui::label("").withFont(ui::arial(18, true)).foreColor(ui::kWhite).center();
constexpr auto kEquals = kNumber.text("=").size(375, 495);
constexpr auto kInstruction = kNumber.withFont(ui::trad(14, true)).rtl();
constexpr auto kScore = kNumber.text("0").silent();
constexpr auto kScoreFrame = ui::shape("ScoreFrame").outline(ui::kWhite, 2);
constexpr auto kAnswerFrame = kScoreFrame.hidden();
constexpr auto kBox = ui::textBox("")
                          .withFont(ui::arial(18, true))
                          .colors(ui::kBlack, ui::kWhite)
                          .center()
                          .bordered()
                          .maxLen(4);
constexpr auto kDarkBox = kBox.withFont(ui::trad(18, true)).colors(ui::kWhite, ui::rgb(0x400000));
constexpr auto kButton =
    ui::button("").withFont(ui::trad(15.75, true)).colors(ui::kBlack, kButtonBack).asGraphical();
constexpr auto kChangeButton = kButton.withFont(ui::arial(18, true)).tip(texts::kChangeQuestion);
constexpr auto kNavigation = kButton.withFont(ui::arial(20.25, true));
constexpr auto kStar = ui::image("Image1").size(240, 225).showing(&assets::star).hidden();

constexpr ui::Row bar(std::string_view name, int index, int x1, int x2, int y) {
    return ui::line(name, index, x1, y, x2, y).outline(ui::kWhite, 2);
}

constexpr ui::Row kLayout[] = {
    // Bands and whole-screen buttons.
    ui::shape("TopBand").at(0, 0, 11880, 2595).filled(kPurple).outline(kPurple, 1),
    ui::shape("BottomBand").at(0, 5280, 11880, 3210).filled(kPurple).outline(kPurple, 1),
    kButton.called("Command11").text("غير جميع الأسئلة").at(10080, 0, 1635, 555).tabAt(14),
    kButton.called("Command7").text("الدرجات").at(2520, 420, 1095, 555).tabAt(15),
    kButton.called("Command8").text("مسح الدرجات").at(300, 420, 1635, 555).tabAt(16),
    kNavigation.called("Command9").text("رجوع").at(10020, 7440, 1335, 675).tabAt(17),
    kNavigation.called("Command10").text("خروج").at(420, 7200, 1335, 675).tabAt(18),

    // Exercise 1: a mixed number as a fraction. The numbers of the questions and their answers are left
    // empty in this table: the screen shows them from the values it keeps, the first questions included.
    kInstruction.called("Label6")
        .text("ضع العدد النسبي على صورة بسط ومقام")
        .colors(ui::kYellow, kPurple)
        .at(6660, 600, 4335, 615),
    kNumber.called("Label1", 2).at(9300, 1620, 555, 495),
    kNumber.called("Label1", 0).at(9840, 1380, 735, 495),
    bar("Line1", -1, 9900, 10440, 1800),
    kNumber.called("Label1", 1).at(9840, 1860, 735, 495),
    kEquals.called("Label3", 0).pos(8760, 1620),
    kBox.called("Text2", 0).says("السؤال الأول: بسط الكسر").at(7800, 1260, 975, 555).tabAt(1),
    kBox.called("Text2", 1).says("السؤال الأول: مقام الكسر").at(7800, 1860, 975, 555).tabAt(0),
    kButton.called("Command1").text("التصحيح").at(5160, 420, 1095, 555).tabAt(8),
    kChangeButton.called("Command2").text("(1)").at(11040, 540, 675, 675).tabAt(9),
    kNumber.called("Label4").at(5220, 1320, 915, 495).hidden(),
    bar("Line2", -1, 5220, 6180, 1800).hidden(),
    kNumber.called("Label5").at(5160, 1860, 975, 435).hidden(),
    kAnswerFrame.called("Shape2").at(4920, 1260, 1395, 1155),

    // Exercise 2: a fraction in its simplest form.
    kInstruction.called("Label2")
        .text("ضع العدد النسبي الآتي في أبسط صورة")
        .backColor(ui::rgb(0x400040))
        .at(7020, 2760, 3915, 675),
    kNumber.called("Label7", 0).at(9780, 3600, 675, 495),
    bar("Line3", -1, 9840, 10440, 4080),
    kNumber.called("Label7", 1).at(9780, 4200, 675, 495),
    kEquals.called("Label3", 1).pos(9060, 3840),
    kDarkBox.called("Text1", 0)
        .says("السؤال الثاني: بسط الكسر في أبسط صورة")
        .at(8280, 3480, 855, 615)
        .tabAt(3),
    kDarkBox.called("Text1", 1)
        .says("السؤال الثاني: مقام الكسر في أبسط صورة")
        .at(8280, 4080, 855, 615)
        .tabAt(2),
    kButton.called("Command4").text("التصحيح").backColor(kPurple).at(5160, 2760, 1095, 555).tabAt(10),
    kChangeButton.called("Command3").text("(2)").backColor(kPurple).at(11040, 2760, 675, 675).tabAt(11),
    kNumber.called("Label8").at(5160, 3600, 915, 495).hidden(),
    bar("Line5", -1, 5160, 6000, 4080).hidden(),
    kNumber.called("Label9").at(5160, 4140, 915, 435).hidden(),
    kAnswerFrame.called("Shape4").at(4920, 3540, 1395, 1155),
    kBox.called("Text3", 2).says("السؤال الثالث: العدد المضروب فيه").at(240, 4080, 915, 555).hidden(),

    // Exercise 3: two fractions equal to a given one.
    kInstruction.called("Label11")
        .text("اكتب عددان نسبيان مساويان للعدد التالي")
        .backColor(kPurple)
        .at(7020, 5400, 3915, 615),
    kNumber.called("Label14", 0).at(10080, 6180, 705, 435),
    bar("Line6", 1, 10140, 10800, 6660),
    kNumber.called("Label14", 1).at(10080, 6720, 825, 435),
    kEquals.called("Label3", 5).pos(9420, 6420),
    kBox.called("Text3", 0).says("السؤال الثالث: بسط الكسر المساوي الأول").at(8580, 6060, 915, 555).tabAt(5),
    kBox.called("Text3", 1).says("السؤال الثالث: مقام الكسر المساوي الأول").at(8580, 6600, 915, 555).tabAt(4),
    kEquals.called("Label3", 2).pos(8040, 6420),
    kBox.called("Text3", 3).says("السؤال الثالث: بسط الكسر المساوي الثاني").at(7200, 6060, 915, 555).tabAt(7),
    kBox.called("Text3", 4)
        .says("السؤال الثالث: مقام الكسر المساوي الثاني")
        .at(7200, 6600, 915, 555)
        .tabAt(6),
    kButton.called("Command6").text("التصحيح").at(5160, 5280, 1095, 555).tabAt(12),
    kChangeButton.called("Command5").text("(3)").at(11040, 5340, 675, 675).tabAt(13),
    kEquals.called("Label3", 4).pos(6600, 6360).hidden(),
    kNumber.called("Label12", 0).at(5940, 6060, 735, 495).hidden(),
    kNumber.called("Label12", 1).at(5940, 6600, 735, 495).hidden(),
    bar("Line6", 0, 6060, 6540, 6540).hidden(),
    kEquals.called("Label3", 3).pos(5640, 6300).hidden(),
    kNumber.called("Label13", 0).at(4980, 6120, 735, 495).hidden(),
    kNumber.called("Label13", 1).at(5040, 6600, 735, 495).hidden(),
    bar("Line6", 2, 5040, 5520, 6540).hidden(),
    kAnswerFrame.called("Shape5").at(4920, 6000, 2115, 1215),

    // Reward pictures of the three exercises' pyramids and the sun that opens the total's group.
    kStar.idx(0).pos(4080, 1200),
    kStar.idx(1).pos(4440, 1920),
    kStar.idx(2).pos(4200, 1920),
    kStar.idx(3).pos(3960, 1920),
    kStar.idx(4).pos(3720, 1920),
    kStar.idx(5).pos(4080, 1680),
    kStar.idx(6).pos(3840, 1680),
    kStar.idx(7).pos(4320, 1680),
    kStar.idx(8).pos(3960, 1440),
    kStar.idx(9).pos(4200, 1440),
    kStar.idx(10).pos(4140, 3720),
    kStar.idx(11).pos(4500, 4440),
    kStar.idx(12).pos(4260, 4440),
    kStar.idx(13).pos(4020, 4440),
    kStar.idx(14).pos(3780, 4440),
    kStar.idx(15).pos(3900, 4200),
    kStar.idx(16).pos(4140, 4200),
    kStar.idx(17).pos(4380, 4200),
    kStar.idx(18).pos(4020, 3960),
    kStar.idx(19).pos(4260, 3960),
    kStar.idx(20).pos(4200, 6180),
    kStar.idx(21).pos(4080, 6420),
    kStar.idx(30).pos(4200, 6660),
    kStar.idx(23).pos(4560, 6900),
    kStar.idx(24).pos(4320, 6900),
    kStar.idx(25).pos(4080, 6900),
    kStar.idx(26).pos(3840, 6900),
    kStar.idx(27).pos(4320, 6420),
    kStar.idx(28).pos(4440, 6660),
    kStar.idx(29).pos(3960, 6660),
    ui::image("Image1", kSun).at(120, 2340, 480, 480).showing(&assets::sun).hidden(),
};

// Score pairs, earned over possible: exercises 1, 2, 3 and the total.
constexpr ui::Row kScores[][2] = {
    {kScore.called(kScoreLabels[0].earned).at(2580, 1260, 915, 495),
     kScore.called(kScoreLabels[0].possible).at(2580, 1860, 915, 435)},
    {kScore.called(kScoreLabels[1].earned).at(2460, 3600, 1215, 495),
     kScore.called(kScoreLabels[1].possible).at(2520, 4200, 1095, 435)},
    {kScore.called(kScoreLabels[2].earned).at(2400, 6120, 1155, 495),
     kScore.called(kScoreLabels[2].possible).at(2400, 6720, 1155, 435)},
    {kScore.called(kScoreLabels[3].earned).at(360, 1080, 1515, 555),
     kScore.called(kScoreLabels[3].possible).at(360, 1800, 1515, 615)},
};
constexpr int kScoreFrameMargin = 30;

// Each score pair reads as a fraction: a bar between its two labels and a frame around them.
void addScorePairs(std::vector<ui::Row>& items) {
    int index = 0;
    for (const auto& [earned, possible] : kScores) {
        const int left = std::min(earned.left, possible.left);
        const int right = std::max(earned.left + earned.width, possible.left + possible.width);
        const int bottom = possible.top + possible.height;
        items.push_back(earned);
        items.push_back(possible);
        items.push_back(bar("ScoreBar", index, left, right, (earned.top + earned.height + possible.top) / 2));
        items.push_back(kScoreFrame.idx(index++).at(left - kScoreFrameMargin, earned.top - kScoreFrameMargin,
                                                    right - left + 2 * kScoreFrameMargin,
                                                    bottom - earned.top + 2 * kScoreFrameMargin));
    }
}

// The total's 30 stars, Image1(31) to Image1(60): four rows under the total's score, each filled
// from the left; the two upper rows start beside the sun, which comes first.
constexpr int kStarRowTops[] = {2460, 2815, 3170, 3525};
constexpr int kStarPitch = 255;
constexpr int kStarColumns = 9;
constexpr int kColumnsBesideTheSun = 6;

} // namespace

std::vector<ui::Row> screenLayout() {
    std::vector<ui::Row> items(std::begin(kLayout), std::end(kLayout));
    addScorePairs(items);
    int index = 31;
    for (int row = 0; row < 4; ++row) {
        const int firstColumn = row < 2 ? kStarColumns - kColumnsBesideTheSun : 0;
        for (int column = firstColumn; column < kStarColumns; ++column)
            items.push_back(kStar.idx(index++).pos(60 + kStarPitch * column, kStarRowTops[row]));
    }
    return items;
}

} // namespace screens::mixed
