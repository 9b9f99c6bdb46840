#include "app/screen_table.h"

#include <algorithm>

#include "screens/menu/main_menu.h"
#include "screens/mixed/mixed_exercises.h"
#include "screens/quiz/addition_quiz.h"
#include "screens/quiz/division_quiz.h"
#include "screens/quiz/multiplication_quiz.h"
#include "screens/quiz/subtraction_quiz.h"
#include "screens/solve/multiply_divide_solution.h"
#include "screens/solve/sum_solution.h"
#include "screens/worksheet/worksheet.h"

namespace app {

namespace {

template <class Screen> ui::Form* make() { return new Screen; }

template <class Screen> constexpr ScreenEntry row(std::string_view arabicName) {
    return {Screen::kName, make<Screen>, arabicName};
}

template <const screens::SumSettings& settings> ui::Form* makeSum() {
    return new screens::SumSolution(settings);
}

// The menu is made with the rows of the screens it opens.
ui::Form* makeMenu() { return new screens::MainMenu(menuScreens()); }

constexpr ScreenEntry kScreens[] = {
    {screens::MainMenu::kName, makeMenu, "القائمة الرئيسة"},
    row<screens::AdditionQuiz>("اختبار الجمع"),
    row<screens::SubtractionQuiz>("اختبار الطرح"),
    row<screens::MultiplicationQuiz>("اختبار الضرب"),
    row<screens::DivisionQuiz>("اختبار القسمة"),
    row<screens::MixedExercises>("تمارين متنوعة"),
    row<screens::Worksheet>("طباعة"),
    {screens::kAdditionSolutionName, makeSum<screens::kAdditionSolution>, "الجمع"},
    row<screens::MultiplyDivideSolution>("الضرب والقسمة"),
    {screens::kSubtractionSolutionName, makeSum<screens::kSubtractionSolution>, "الطرح"},
};

} // namespace

std::span<const ScreenEntry> screenTable() { return kScreens; }

std::span<const ScreenEntry> menuScreens() { return screenTable().subspan(1); }

ui::forms::Maker makerOf(std::string_view name) {
    const auto* found = std::ranges::find(kScreens, name, &ScreenEntry::name);
    return found != std::end(kScreens) ? found->make : nullptr;
}

} // namespace app
