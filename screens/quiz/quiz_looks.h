// The looks the test screens share, as layout rows to copy with .idx(), .at() and .text().
#pragma once

#include <string_view>

#include "ui/layout_row.h"

namespace screens::quiz {

// The captions and tooltip of the buttons every test screen has.
namespace texts {
inline constexpr std::string_view kNew = "جديد";
inline constexpr std::string_view kChangeQuestion = "اضغط لتغيير السؤال";
inline constexpr std::string_view kEvaluate = "التقويم";
inline constexpr std::string_view kClear = "مسح";
inline constexpr std::string_view kBack = "رجوع";
inline constexpr std::string_view kExit = "خروج";
} // namespace texts

inline constexpr ui::Font kNumberFont = ui::arial(18, true);

// Problem numbers and solution labels: white on black, bordered.
inline constexpr auto kNumber =
    ui::label("Label1").withFont(kNumberFont).colors(ui::kWhite, ui::kBlack).bordered().center().rtl();
// Operator and "=" signs, on a transparent ground.
inline constexpr auto kSign =
    ui::label("Label2").withFont(kNumberFont).foreColor(ui::kHighlightText).center().rtl();
inline constexpr auto kEquals = kSign.text("=");
// Answer boxes.
inline constexpr auto kAnswer = ui::textBox("Text1")
                                    .withFont(kNumberFont)
                                    .colors(ui::kWhite, ui::rgb(0x400000))
                                    .bordered()
                                    .center()
                                    .rtl()
                                    .maxLen(4);
// What screen readers call the answer boxes of a problem; the upper panel holds the first problem.
struct AnswerNames {
    std::string_view numerator, denominator, reducedNumerator, reducedDenominator, whole;
    // The division test's first steps: the first fraction copied, the divisor turned upside down.
    std::string_view copiedNumerator, copiedDenominator, reciprocalNumerator, reciprocalDenominator;
};
inline constexpr AnswerNames kFirstProblem{"المسألة الأولى: بسط الناتج",
                                           "المسألة الأولى: مقام الناتج",
                                           "المسألة الأولى: بسط الناتج في أبسط صورة",
                                           "المسألة الأولى: مقام الناتج في أبسط صورة",
                                           "المسألة الأولى: العدد الصحيح",
                                           "المسألة الأولى: بسط الكسر الأول",
                                           "المسألة الأولى: مقام الكسر الأول",
                                           "المسألة الأولى: بسط مقلوب المقسوم عليه",
                                           "المسألة الأولى: مقام مقلوب المقسوم عليه"};
inline constexpr AnswerNames kSecondProblem{"المسألة الثانية: بسط الناتج",
                                            "المسألة الثانية: مقام الناتج",
                                            "المسألة الثانية: بسط الناتج في أبسط صورة",
                                            "المسألة الثانية: مقام الناتج في أبسط صورة",
                                            "المسألة الثانية: العدد الصحيح",
                                            "المسألة الثانية: بسط الكسر الأول",
                                            "المسألة الثانية: مقام الكسر الأول",
                                            "المسألة الثانية: بسط مقلوب المقسوم عليه",
                                            "المسألة الثانية: مقام مقلوب المقسوم عليه"};

// The score, right count over attempt count; screen readers hear it as one text.
inline constexpr auto kScore =
    ui::label("").withFont(ui::arial(24, true)).foreColor(ui::kWhite).center().rtl().text("0").silent();
// Tick counters, hidden.
inline constexpr auto kCounter = ui::label("").text("0").hidden();
inline constexpr auto kInstruction =
    ui::label("").foreColor(ui::kYellow).right().rtl().text("أوجد الناتج في أبسط صورة");
inline constexpr auto kLevel1 = ui::option("Option1")
                                    .text("المستوى الأول")
                                    .tip("الاعداد الموجبة فقط")
                                    .withFont(ui::msSans(12, true))
                                    .rtl()
                                    .selected();
inline constexpr auto kLevel2 = ui::option("Option2")
                                    .text("المستوى الثاني")
                                    .tip("الاعداد السالبة والموجبة")
                                    .withFont(ui::msSans(12, true))
                                    .rtl();
inline constexpr auto kButtonFont = ui::arial(20.25, true);

} // namespace screens::quiz
