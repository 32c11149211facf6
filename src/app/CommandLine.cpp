// The command line: see CommandLine.h.
#include "app/CommandLine.h"

#include <QByteArrayView>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>

namespace ringlook::app {

bool AsksForHelpOrVersion(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const QByteArrayView argument(argv[i]);
    if (argument == "--") break;
    if (argument == "-h" || argument == "--help" || argument == "-v" || argument == "--version") return true;
  }
  return false;
}

void ProcessCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Toont de bellers die de Ringlook-server op het lokale netwerk meldt."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption verbose(
      QStringLiteral("verbose"),
      QStringLiteral("Meldt op de standaardfout elke verbindingspoging, verbinding, fout en elke tekst van en naar "
                     "de server (de logcategorie ringlook.link)."));
  parser.addOption(verbose);
  parser.process(app);
  if (parser.isSet(verbose)) QLoggingCategory::setFilterRules(QStringLiteral("ringlook.*.debug=true"));
}

}  // namespace ringlook::app
