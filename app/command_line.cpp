#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Zemora (زيمورا), a tutor in Arabic for the four operations on fractions."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

void answerHelpAndVersion(int& argc, char* argv[]) {
    // A core application needs no display; it stands in meanwhile so the help names the program as
    // it was called.
    const QCoreApplication standIn(argc, argv);
    QCommandLineParser parser;
    describe(parser);
    // An option it does not know may be one of Qt's own, which only QApplication can take out.
    if (parser.parse(QCoreApplication::arguments()))
        parser.process(QCoreApplication::arguments());
}

void refuseUnknownOptions(const QCoreApplication& application) {
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
}

} // namespace app
