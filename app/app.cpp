#include "app/app.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/main_menu.h"
#include "app/identity.h"
#include "assets/pictures.h"
#include "screens/mixed/mixed_exercises.h"
#include "screens/solve/addition_solution.h"
#include "screens/solve/multiply_divide_solution.h"
#include "screens/solve/subtraction_solution.h"
#include "screens/quiz/addition_quiz.h"
#include "screens/quiz/division_quiz.h"
#include "screens/quiz/multiplication_quiz.h"
#include "screens/quiz/subtraction_quiz.h"
#include "screens/worksheet/worksheet.h"
#include "ui/style.h"

namespace app {

namespace {
template <class Screen> void define(std::string_view name) {
    ui::forms::define(name, [] { return new Screen; });
}

void defineScreens() {
    define<MainMenu>("frmqqq");
    define<screens::AdditionQuiz>("frmaddq");
    define<screens::SubtractionQuiz>("frmqm");
    define<screens::MultiplicationQuiz>("frmqd");
    define<screens::DivisionQuiz>("frmqdv");
    define<screens::MixedExercises>("frmqo");
    define<screens::Worksheet>("frmpq");
    define<screens::AdditionSolution>("frmqaa");
    define<screens::MultiplyDivideSolution>("frmqad");
    define<screens::SubtractionSolution>("frmqam");
}

// The whole program is Arabic, so Qt's own texts (the buttons of a message box, the print dialog) are
// too, whatever the language the machine is set to.
void translateQtTexts() {
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ar"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    else
        qWarning("Qt's Arabic texts (qt6-translations-l10n) are missing: dialogs will speak English");
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

} // namespace

// The display name "زيمورا" is left to the desktop entry (Name[ar]): set here, Qt would add it to the
// title of every screen.
void identify() {
    QCoreApplication::setApplicationName(QStringLiteral("zemora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEMORA_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("zemora.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEMORA_ID));
}

void prepare() {
    translateQtTexts();
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
