#include "app/app.h"

#include <QApplication>

#include "app/main_menu.h"
#include "assets/pictures.h"
#include "screens/mixed/mixed_exercises.h"
#include "screens/solve/addition_solution.h"
#include "screens/solve/multiply_divide_solution.h"
#include "screens/solve/subtraction_solution.h"
#include "screens/test/addition_test.h"
#include "screens/test/division_test.h"
#include "screens/test/multiplication_test.h"
#include "screens/test/subtraction_test.h"
#include "screens/worksheet/worksheet.h"
#include "ui/style.h"

namespace app {

namespace {
template <class Screen> void define(std::string_view name) {
    ui::forms::define(name, [] { return new Screen; });
}

void defineScreens() {
    define<MainMenu>("frmqqq");
    define<screens::AdditionTest>("frmaddq");
    define<screens::SubtractionTest>("frmqm");
    define<screens::MultiplicationTest>("frmqd");
    define<screens::DivisionTest>("frmqdv");
    define<screens::MixedExercises>("frmqo");
    define<screens::Worksheet>("frmpq");
    define<screens::AdditionSolution>("frmqaa");
    define<screens::MultiplyDivideSolution>("frmqad");
    define<screens::SubtractionSolution>("frmqam");
}

} // namespace

void prepare() {
    ui::installStyle();
    ui::installFontSubstitutes();
    QApplication::setWindowIcon(assets::windowIcon());
    defineScreens();
}

void start() {
    prepare();
    ui::forms::show("frmqqq");
}

} // namespace app
