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

template <class Screen> constexpr ScreenEntry row(std::string_view arabicName, std::string_view menuButton) {
    return {Screen::kName, make<Screen>, arabicName, menuButton};
}

template <const screens::SumSettings& settings> ui::Form* makeSum() {
    return new screens::SumSolution(settings);
}

// The menu is made with the rows of the screens it opens.
ui::Form* makeMenu() { return new screens::MainMenu(menuScreens()); }

constexpr ScreenEntry kScreens[] = {
    {screens::MainMenu::kName, makeMenu, "القائمة الرئيسة", ""},
    row<screens::AdditionQuiz>("اختبار الجمع", "Command1"),
    row<screens::SubtractionQuiz>("اختبار الطرح", "Command2"),
    row<screens::MultiplicationQuiz>("اختبار الضرب", "Command3"),
    row<screens::DivisionQuiz>("اختبار القسمة", "Command4"),
    row<screens::MixedExercises>("تمارين متنوعة", "Command6"),
    row<screens::Worksheet>("طباعة", "Command10"),
    {screens::kAdditionSolutionName, makeSum<screens::kAdditionSolution>, "الجمع", "Command7"},
    row<screens::MultiplyDivideSolution>("الضرب والقسمة", "Command9"),
    {screens::kSubtractionSolutionName, makeSum<screens::kSubtractionSolution>, "الطرح", "Command8"},
};

} // namespace

std::span<const ScreenEntry> screenTable() { return kScreens; }

std::span<const ScreenEntry> menuScreens() { return screenTable().subspan(1); }

ui::forms::Maker makerOf(std::string_view name) {
    const auto* found = std::ranges::find(kScreens, name, &ScreenEntry::name);
    return found != std::end(kScreens) ? found->make : nullptr;
}

} // namespace app
