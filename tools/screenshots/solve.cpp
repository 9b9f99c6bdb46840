#include <array>

#include "tools/screenshots/camera.h"
#include "screens/solve/multiply_divide_solution.h"
#include "screens/solve/sum_solution.h"
#include "ui/form.h"

namespace shots {

namespace {

// Types a problem into the four fields of `fields` and presses `solve`; then explains the step box
// `explained` as a click on it would.
void solveProblem(ui::Form& screen, const char* fields, const std::array<const char*, 4>& numbers,
                  const char* solve, int explained) {
    for (int index = 0; index < 4; ++index)
        screen.textBox(fields, index).assign(numbers[index]);
    screen.button(solve).press();
    screen.label("Label1", explained).onClick();
}

// A sum or a difference screen, once solved over the common denominator and once by cross
// multiplication: one state shows only one row.
void sumScreen(const Camera& camera, std::string_view name, const std::array<const char*, 4>& common,
               const std::array<const char*, 4>& cross) {
    ui::Form& screen = open(name);
    solveProblem(screen, "Text1", common, "Command1", 4);
    camera.take(screen, screen.objectName() + QStringLiteral("-common"));
    solveProblem(screen, "Text1", cross, "Command2", 13);
    camera.take(screen, screen.objectName() + QStringLiteral("-cross"));
}

} // namespace

void solveScreens(const Camera& camera) {
    sumScreen(camera, screens::kAdditionSolutionName, {"3", "4", "5", "4"}, {"1", "6", "3", "4"});
    sumScreen(camera, screens::kSubtractionSolutionName, {"1", "4", "-3", "4"}, {"5", "6", "1", "4"});
    ui::Form& both = open(screens::MultiplyDivideSolution::kName);
    solveProblem(both, "Text1", {"2", "3", "9", "4"}, "Command2", 13);
    solveProblem(both, "Text3", {"-1", "2", "3", "4"}, "Command1", 21);
    camera.take(both, both.objectName());
}

} // namespace shots
