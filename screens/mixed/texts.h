// The texts of the mixed exercises screen besides its layout table's captions: its title, the change
// buttons' tooltip, and what screen readers hear of its scores and reward pictures.
#pragma once

#include <string_view>

namespace screens::mixed::texts {

inline constexpr std::string_view kTitle = "اسئلة منوعة";
inline constexpr std::string_view kChangeQuestion = "اضغط لتغيير السؤال";

// The score pairs as heard: exercises 1, 2, 3 and the total, each followed by earned "من" possible.
inline constexpr std::string_view kExerciseScores[] = {"السؤال الأول: الدرجات ", "السؤال الثاني: الدرجات ",
                                                       "السؤال الثالث: الدرجات "};
inline constexpr std::string_view kTotalScore = "المجموع: الدرجات ";
inline constexpr std::string_view kOutOf = " من ";

inline constexpr std::string_view kShiningStars = "عدد النجوم المضيئة ";
inline constexpr std::string_view kAndTheSun = "، والشمس";

} // namespace screens::mixed::texts
