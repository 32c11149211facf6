// Operator commands: see Console.h.
#include "Console.h"

#include <QStringList>
#include <utility>

#include "LogText.h"
#include "Replies.h"
#include "common/Error.h"

namespace ringlook::server {

namespace {

// The clients' bytes for what the terminal gave: letters outside the code page become "?".
std::string ClientBytes(const QString& text) { return text.toLatin1().toStdString(); }

// The first word and the trimmed rest.
std::pair<QString, QString> FirstWord(const QString& text) {
  const qsizetype space = text.indexOf(QLatin1Char(' '));
  if (space < 0) return {text, {}};
  return {text.left(space), text.mid(space + 1).trimmed()};
}

}  // namespace

Console::Console(RingServer& server, std::function<void()> quit) : server_(server), quit_(std::move(quit)) {}

QString Console::Help() {
  return QStringLiteral(
      "commands:\n"
      "  call NUMBER [DETAIL]  a call from NUMBER; DETAIL defaults to the time and \"lijn 1\"\n"
      "  msg NICKNAME TEXT     send TEXT to the client called NICKNAME, from \"Centrale\"\n"
      "  who                   list the connected clients\n"
      "  nextday               move the server's day on by one: later calls are of that\n"
      "                        day, and HISTORY gives only them\n"
      "  quit                  stop the server\n"
      "  help                  this text");
}

QString Console::Execute(const QByteArray& line) {
  const QString text = QString::fromLocal8Bit(line).trimmed();
  const auto [command, rest] = FirstWord(text);
  const auto [first, tail] = FirstWord(rest);

  if (command.isEmpty()) return {};
  if (command == QLatin1String("call") && !first.isEmpty()) {
    try {
      const net::CallerRecord record = server_.InjectCall(ClientBytes(first), ClientBytes(tail));
      return LogText(QByteArray::fromStdString(NieuwMessage(record)));
    } catch (const Error& error) {
      return QStringLiteral("error: %1").arg(QString::fromLocal8Bit(error.what()));
    }
  }
  if (command == QLatin1String("msg") && !first.isEmpty() && !tail.isEmpty()) {
    const int delivered = server_.Deliver(ClientBytes(first), kConsoleSender, ClientBytes(tail));
    return QStringLiteral("delivered to %1 client(s)").arg(delivered);
  }
  if (command == QLatin1String("who")) {
    QStringList lines;
    for (const QString& client : server_.Clients()) lines << client;
    return lines.isEmpty() ? QStringLiteral("no clients") : lines.join(QLatin1Char('\n'));
  }
  if (command == QLatin1String("nextday")) {
    return QStringLiteral("day %1").arg(server_.MoveDay().toString(Qt::ISODate));
  }
  if (command == QLatin1String("quit")) {
    quit_();
    return QStringLiteral("bye");
  }
  if (command == QLatin1String("help")) return Help();
  return QStringLiteral("unknown command: %1 (try help)").arg(text);
}

}  // namespace ringlook::server
