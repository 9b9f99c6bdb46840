// The texts of the worked-solution screens: their titles, prompts of the explanation line, captions,
// messages, spoken names and the step boxes' explanations (their tooltips).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace screens::texts {

inline constexpr std::string_view kStepPrompt = "انقر على الخطوة التي لاتفهمها لترى الشرح";
inline constexpr std::string_view kPressPrompt = "اضغط في  المكان  الذي تريد  فهمه ";
inline constexpr std::string_view kBackgroundPrompt = "انقر على أى مستطيل لترى توضيح وشرح مبسط ";
inline constexpr std::string_view kFieldTip = "غير الرقم مباشرة للحصول على مسألة جديدة";
inline constexpr std::string_view kInstruction = "اكتب المسألة (الرقم 1  افتراضي)";
inline constexpr std::string_view kSolve = "الحل";
inline constexpr std::string_view kBack = "رجوع";
inline constexpr std::string_view kExit = "خروج";

inline constexpr std::string_view kAdditionTitle = "الجمع اكتب انت الاسئلة";
inline constexpr std::string_view kSubtractionTitle = "الطرح  اكتب انت الأسئلة لتشاهد الاجابة";
inline constexpr std::string_view kMultiplyDivideTitle = "الضرب والقسمة  اكتب أنت الأسئلة";

// Messages refusing a zero, under the title kAttention.
inline constexpr std::string_view kAttention = "تنبيه ";
inline constexpr std::string_view kZeroDenominator = "المقام لا يساوي صفر إن كنت لاتريد مقام ضع فيه  1 ";
inline constexpr std::string_view kNoReciprocal = "لا يمكن وضع  صفر هنا  لعدم وجود معكوس ضربي للصفر ";

// What screen readers call the problem's fields, a over b and c over d.
inline constexpr std::string_view kFieldNames[] = {"بسط الكسر الأول", "مقام الكسر الأول", "بسط الكسر الثاني",
                                                   "مقام الكسر الثاني"};
inline constexpr std::string_view kProductFieldNames[] = {"الضرب: بسط الكسر الأول", "الضرب: مقام الكسر الأول",
                                                          "الضرب: بسط الكسر الثاني",
                                                          "الضرب: مقام الكسر الثاني"};
inline constexpr std::string_view kQuotientFieldNames[] = {
    "القسمة: بسط الكسر الأول", "القسمة: مقام الكسر الأول", "القسمة: بسط الكسر الثاني",
    "القسمة: مقام الكسر الثاني"};

// Explanations of the steps.
inline constexpr std::string_view kCommonNumerators = "لأن المقام مشترك  نجمع البسط + البسط الثاني";
inline constexpr std::string_view kAlikeDenominators = "المقامان متشابهان ولذلك نضع أحدهما مقام مشترك";
inline constexpr std::string_view kSameDenominator = "نفس المقام السابق";
inline constexpr std::string_view kReduction = "الاختصار";
inline constexpr std::string_view kWholeNumber = "ناتج قسمة البسط على المقام";
inline constexpr std::string_view kCrossSum = "حاصل ضرب الطرفين + حاصل ضرب الوسطين";
inline constexpr std::string_view kDenominatorProduct = "حاصل ضرب المقام × المقام";
inline constexpr std::string_view kNumeratorSum = "ناتج جمع ما في البسط السابق";
// Addition's own.
inline constexpr std::string_view kNumeratorsAdded = "مجموع البسطين";
// Subtraction's own.
inline constexpr std::string_view kInverseSum = "البسط الأول + المعكوس الجمعي للبسط الثاني";
inline constexpr std::string_view kCrossDifference = "حاصل ضرب الطرفين - حاصل ضرب الوسطين";
// Multiplication's and division's own.
inline constexpr std::string_view kNumeratorProduct = "حاصل ضرب البسط الأول × البسط الثاني";
inline constexpr std::string_view kProductOfNumerators = "ناتج الضرب في البسط السابق";
inline constexpr std::string_view kProductOfDenominators = "ناتج الضرب في المقـام السابق";
inline constexpr std::string_view kShortened = "اختصار";
inline constexpr std::string_view kFirstFraction = "الكسر الأول";
inline constexpr std::string_view kReciprocal = "المعكوس الضربي للكسر الثاني";
inline constexpr std::string_view kNumeratorTimesNumerator = "حاصل ضرب البسط  × البسـط";
inline constexpr std::string_view kDenominatorTimesDenominator = "حاصل ضرب المقـام  × المقـام";
inline constexpr std::string_view kPreviousDenominatorProduct = "ناتج الضرب في المقام السابق";

// The mixed-number panel's.
inline constexpr std::string_view kPanelInstructions =
    "اذا كان لديك عدد مكون من جزء صحيح وكسر فاكتبه هنا لنحوله  إلى بسط ومقام ثم استخدم الصورة الجديدة  ";
inline constexpr std::string_view kPanelTip = "رفع الكسر";
inline constexpr std::string_view kPanelNumeratorName = "العدد الكسري: بسط الكسر";
inline constexpr std::string_view kPanelDenominatorName = "العدد الكسري: مقام الكسر";
inline constexpr std::string_view kPanelWholeName = "العدد الكسري: العدد الصحيح";
inline constexpr std::string_view kPanelZeroDenominator = "المقام لايساوي صفر وأيضا غير سالب";
inline constexpr std::string_view kPanelAttention = "تنبيه";

// The explanation of a reduced step: the divisor written out in full.
inline std::string reductionTooltip(std::int64_t divisor) {
    return "بقسمة البسط والمقام على  " + std::to_string(divisor);
}

// Joiners of the worked solutions' own step texts.
inline constexpr std::string_view kCross = "×";            // inside a cross product: 3×1
inline constexpr std::string_view kDenominators = "  ×  "; // between two denominators

} // namespace screens::texts
