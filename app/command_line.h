// The command line: --help and --version print and end the program; any other option is refused with
// exit status 1. Without options the program starts on its main menu.
#pragma once

class QCoreApplication;

namespace app {

// Before the QApplication exists, so that --help and --version need no display.
void answerHelpAndVersion(int& argc, char* argv[]);

// Once QApplication has taken Qt's own options (-session when a desktop restores its session, -style,
// ...): an option left that the program does not know ends it with a message and status 1.
void refuseUnknownOptions(const QCoreApplication& application);

} // namespace app
