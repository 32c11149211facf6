// ringlook-server: the reference server that Ringlook clients are developed,
// tested and shown against. Options, then the wiring of store, server and console.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTime>
#include <algorithm>
#include <cmath>

#include "Console.h"
#include "RingServer.h"
#include "StdinReader.h"
#include "Store.h"
#include "common/Error.h"

namespace {

using ringlook::server::Console;
using ringlook::server::RingServer;

constexpr quint16 kDefaultPort = 6661;

QString Description() {
  return QStringLiteral(
             "The reference server for Ringlook clients. It keeps a directory of numbers\n"
             "(name, note, flag) and a call log in the SQLite file \"database\", created\n"
             "with demo data (a Dutch directory and calls of today) when it does not exist;\n"
             "it answers the clients over TCP:\n"
             "  HISTORY                 today's calls, newest first\n"
             "  FIND^term               calls whose name or number contains term, letter case\n"
             "                          ignored, newest first, at most 300\n"
             "  GET^n, ADD^n            the directory entry of n (ADD first creates an empty one)\n"
             "  SET^n^name^note^flag^   stores the entry; every client gets WIJZIG^n^name^flag^\n"
             "  DELETE^n                removes the call history of n\n"
             "  NAMELIST^               the nicknames of the connected clients\n"
             "  NICK^name               takes a nickname; WRONGNICK^ when another client has it\n"
             "  MSG^to^from^text        forwards MSG^from^text to the client called \"to\"\n"
             "Calls come in simulated (--simulate) or typed on standard input; each is logged\n"
             "and announced to every client as NIEUW^ and a caller record (name, flag, detail,\n"
             "number, today's count), then UPDATEBELLERS^ and the count.\n"
             "A request is what a client sends until 120 ms of silence; one over 64 KiB closes\n"
             "the connection. Messages to one client are written whole and at least 250 ms\n"
             "apart. Texts are 8-bit bytes in the clients' code page (Windows-1252).\n"
             "Once listening, the server prints \"listening ADDRESS PORT\" on standard output.\n\n") +
         Console::Help();
}

}  // namespace

int main(int argc, char* argv[]) {
  ringlook::server::ReopenClosedStandardStreams();
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ringlook-server"));
  QTextStream out(stdout);
  QTextStream err(stderr);

  QCommandLineParser parser;
  parser.setApplicationDescription(Description());
  parser.addHelpOption();
  const QCommandLineOption addressOption(QStringLiteral("address"), QStringLiteral("Address to listen on (127.0.0.1)."),
                                         QStringLiteral("address"), QStringLiteral("127.0.0.1"));
  const QCommandLineOption portOption(QStringLiteral("port"),
                                      QStringLiteral("Port to listen on (6661; 0 = any free port)."),
                                      QStringLiteral("port"), QString::number(kDefaultPort));
  const QCommandLineOption simulateOption(
      QStringLiteral("simulate"), QStringLiteral("Simulate a call every <seconds> (may be a fraction; 0 = off)."),
      QStringLiteral("seconds"), QStringLiteral("0"));
  const QCommandLineOption logOption(QStringLiteral("log"),
                                     QStringLiteral("Log every message received and sent on standard error."));
  parser.addOptions({addressOption, portOption, simulateOption, logOption});
  parser.addPositionalArgument(QStringLiteral("database"),
                               QStringLiteral("The SQLite file of the directory and call log."));
  parser.process(app);

  if (parser.positionalArguments().size() != 1) {
    err << "ringlook-server: give one DATABASE file (see --help)" << Qt::endl;
    return 2;
  }
  QHostAddress address;
  if (!address.setAddress(parser.value(addressOption))) {
    err << "ringlook-server: not an address: " << parser.value(addressOption) << Qt::endl;
    return 2;
  }
  bool portOk = false;
  const uint port = parser.value(portOption).toUInt(&portOk);
  bool simulateOk = false;
  const double seconds = parser.value(simulateOption).toDouble(&simulateOk);
  if (!portOk || port > 65535 || !simulateOk || !std::isfinite(seconds) || seconds < 0 || seconds > 86400) {
    err << "ringlook-server: --port takes 0 to 65535, --simulate 0 to 86400 seconds" << Qt::endl;
    return 2;
  }

  try {
    ringlook::server::Store store(parser.positionalArguments().front(), QDateTime::currentDateTime());
    RingServer server(store, [] { return QDateTime::currentDateTime(); });
    if (parser.isSet(logOption)) {
      server.SetLog([&err](const QString& line) {
        err << QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")) << ' ' << line << Qt::endl;
      });
    }
    if (!server.Listen(address, static_cast<quint16>(port))) {
      err << "ringlook-server: cannot listen on " << address.toString() << ' ' << port << ": " << server.ErrorString()
          << Qt::endl;
      return 1;
    }
    out << "listening " << server.Address().toString() << ' ' << server.Port() << Qt::endl;
    if (seconds > 0) server.SetSimulation(std::max(1, static_cast<int>(std::lround(seconds * 1000))));

    Console console(server, [] { QCoreApplication::quit(); });
    ringlook::server::StdinReader input([&](const QByteArray& line) {
      const QString answer = console.Execute(line);
      if (!answer.isEmpty()) out << answer << Qt::endl;
    });
    return QCoreApplication::exec();
  } catch (const ringlook::Error& error) {
    err << "ringlook-server: " << error.what() << Qt::endl;
    return 1;
  }
}
