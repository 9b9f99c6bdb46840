#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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

} // namespace

void readCommandLine(int& argc, char* argv[]) {
    // A core application needs no display; it stands in meanwhile so the help names the program as
    // it was called.
    const QCoreApplication standIn(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zemora (زيمورا), a tutor in Arabic for the four operations on fractions."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // Qt's "-style"
    parser.addHelpOption();
    parser.addVersionOption();
    acceptQtOptions(parser);
    parser.process(QCoreApplication::arguments());
}

} // namespace app
