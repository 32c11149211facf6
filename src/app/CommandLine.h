// The program's command line, read with Qt's parser: --help, --version and
// --verbose, which switches the link's log on. Anything else is refused with the
// parser's message and exit status 1.
#pragma once

class QCoreApplication;

namespace ringlook::app {

// Whether the arguments ask for help or the version: a plain core application
// answers those, so they work where no desktop is reachable.
bool AsksForHelpOrVersion(int argc, char* argv[]);

// Reads app's arguments; prints and ends the program for --help, --version and
// an unknown option.
void ProcessCommandLine(const QCoreApplication& app);

}  // namespace ringlook::app
