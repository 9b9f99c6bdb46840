// The command line: --help and --version print and end the program; any other option but Qt's own
// ends it with a message and exit status 1. Without options the program starts on its main menu.
#pragma once

namespace app {

// Before the QApplication exists, so that neither answering nor refusing needs a display.
void readCommandLine(int& argc, char* argv[]);

} // namespace app
