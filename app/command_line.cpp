#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>

#include "ui/console.h"

namespace app {

namespace {

// The options QApplication takes for itself (a desktop restoring its session passes -session, a user
// may pass -style or -platform), so that they pass here and any other is refused.
constexpr const char* kQtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                               "platformtheme", "plugin",
                                               "qmljsdebugger", "qwindowgeometry",
                                               "qwindowicon",   "qwindowtitle",
                                               "session",       "display",
                                               "geometry",      "name",
                                               "visual",        "style",
                                               "stylesheet"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Answers as Qt's parser would, where the person who ran the program sees it (a Windows program has
// no console of its own), and ends the program before it has a window.
[[noreturn]] void answerAndEnd(const QString& text, ui::Answer kind, int status) {
    ui::answerOnConsole(text.toStdString(), kind);
    std::exit(status);
}

} // namespace

void readCommandLine(int& argc, char* argv[]) {
    // Without arguments there is nothing to answer or refuse, and the program starts at once.
    if (argc < 2)
        return;
    // A core application needs no display; it stands in meanwhile so the help names the program as
    // it was called.
    const QCoreApplication standIn(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zemora (زيمورا), a tutor in Arabic for the four operations on fractions."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // Qt's "-style"
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    acceptQtOptions(parser);
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(QCoreApplication::arguments()))
        answerAndEnd(program + QStringLiteral(": ") + parser.errorText() + u'\n', ui::Answer::Error,
                     EXIT_FAILURE);
    if (parser.isSet(version))
        answerAndEnd(program + u' ' + QCoreApplication::applicationVersion() + u'\n', ui::Answer::Output,
                     EXIT_SUCCESS);
    // Only Qt knows the text of its own options: --help-all is Qt's to answer.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(QCoreApplication::arguments());
    if (parser.isSet(help))
        answerAndEnd(parser.helpText(), ui::Answer::Output, EXIT_SUCCESS);
}

} // namespace app
