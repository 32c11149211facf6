// Request handling, broadcasts and calls: see RingServer.h.
#include "RingServer.h"

#include <QTcpSocket>
#include <algorithm>

#include "LogText.h"
#include "Replies.h"
#include "common/Error.h"
#include "common/Text.h"

namespace ringlook::server {

namespace {

// Simulated calls come in on lines 1 to kSimulatedLines.
constexpr int kSimulatedLines = 4;
// The share of simulated calls that come from a number in the directory, in percent.
constexpr int kKnownCallerPercent = 70;

QString Who(const ClientConnection& connection) {
  const std::string& nickname = connection.Nickname();
  return nickname.empty() ? connection.Peer()
                          : connection.Peer() + " " + QString::fromLatin1(nickname.data(), nickname.size());
}

}  // namespace

RingServer::RingServer(Store& store, Clock clock, const ConnectionLimits& limits, PaceClock& pace, QObject* parent)
    : QObject(parent),
      store_(store),
      clock_(std::move(clock)),
      limits_(limits),
      pace_(pace),
      random_(QRandomGenerator::securelySeeded()) {
  connect(&listener_, &QTcpServer::newConnection, this, &RingServer::OnNewConnection);
  connect(&simulation_, &QTimer::timeout, this, &RingServer::SimulateCall);
}

bool RingServer::Listen(const QHostAddress& address, quint16 port) { return listener_.listen(address, port); }

void RingServer::SetSimulation(int intervalMs) {
  if (intervalMs <= 0) {
    simulation_.stop();
  } else {
    simulation_.start(intervalMs);
  }
}

void RingServer::OnNewConnection() {
  while (QTcpSocket* socket = listener_.nextPendingConnection()) {
    auto* connection = new ClientConnection(socket, limits_, pace_, this);
    clients_.push_back(connection);
    connect(connection, &ClientConnection::RequestReceived, this, &RingServer::OnRequest);
    connect(connection, &ClientConnection::Closed, this, &RingServer::OnClosed);
    connect(connection, &ClientConnection::MessageSent, this, [this](ClientConnection* to, const QByteArray& message) {
      Log("-> " + Who(*to) + ": " + LogText(message));
    });
    Log("connected " + connection->Peer());
  }
}

void RingServer::OnClosed(ClientConnection* connection, const QString& reason) {
  Log("closed " + Who(*connection) + ": " + reason);
  std::erase(clients_, connection);
  connection->deleteLater();
}

void RingServer::OnRequest(ClientConnection* connection, const QByteArray& bytes) {
  Log("<- " + Who(*connection) + ": " + LogText(bytes));
  try {
    Handle(*connection, ParseRequest(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
  } catch (const Error& error) {
    // A failing database must not end the server; this request goes unanswered.
    qWarning("request not handled: %s", error.what());
  }
}

void RingServer::Handle(ClientConnection& connection, const Request& request) {
  const QDate today = Now().date();
  switch (request.Kind) {
    case RequestKind::History:
      connection.Send(RecordListMessage(net::kHistory, store_.CallsOn(today)));
      break;
    case RequestKind::Find:
      connection.Send(RecordListMessage(net::kReplyFind, store_.Find(request.Argument, today, kFindLimit)));
      break;
    case RequestKind::Get:
      connection.Send(
          ReplyGetMessage(store_.Entry(request.Argument).value_or(net::NumberRecord{request.Argument, "", "", "0"})));
      break;
    case RequestKind::Add:
      // The client waits for a reply even when it sent no number; an empty
      // number is answered but not stored.
      connection.Send(ReplyGetMessage(request.Argument.empty() ? net::NumberRecord{"", "", "", "0"}
                                                               : store_.Add(request.Argument)));
      break;
    case RequestKind::Set:
      if (request.Entry.Number.empty()) {
        Log("ignored: a change without a number");
        break;
      }
      store_.Put(request.Entry);
      Broadcast(WijzigMessage(request.Entry.Number, CallerName(request.Entry.Name), request.Entry.Flag));
      break;
    case RequestKind::Delete:
      store_.DeleteCalls(request.Argument);
      break;
    case RequestKind::NameList:
      connection.Send(NameListMessage(Nicknames()));
      break;
    case RequestKind::Nick:
      ChangeNickname(connection, request.Argument);
      break;
    case RequestKind::Msg:
      if (Deliver(request.Recipient, request.Sender, request.Body) == 0) {
        Log("no client is called " + QString::fromLatin1(request.Recipient.data(), request.Recipient.size()));
      }
      break;
    case RequestKind::Unknown:
      Log("ignored: not a request");
      break;
  }
}

void RingServer::ChangeNickname(ClientConnection& connection, const std::string& nickname) {
  if (nickname.empty()) return;
  // Letter case does not make a different user: a message to "jan" must find one Jan.
  const bool taken = std::any_of(clients_.begin(), clients_.end(), [&](const ClientConnection* other) {
    return other != &connection && EqualsIgnoringCase(other->Nickname(), nickname);
  });
  if (taken) {
    connection.Send(WrongNickMessage());
  } else {
    connection.SetNickname(nickname);
  }
}

QDate RingServer::MoveDay() {
  ++daysMoved_;
  return Now().date();
}

int RingServer::Deliver(std::string_view recipient, std::string_view sender, std::string_view body) {
  int delivered = 0;
  for (ClientConnection* client : clients_) {
    if (!client->Nickname().empty() && EqualsIgnoringCase(client->Nickname(), recipient)) {
      client->Send(ForwardedMessage(sender, body));
      ++delivered;
    }
  }
  return delivered;
}

std::vector<std::string> RingServer::Nicknames() const {
  std::vector<std::string> nicknames;
  for (const ClientConnection* client : clients_) {
    if (!client->Nickname().empty()) nicknames.push_back(client->Nickname());
  }
  return nicknames;
}

std::vector<QString> RingServer::Clients() const {
  std::vector<QString> lines;
  for (const ClientConnection* client : clients_) lines.push_back(Who(*client));
  return lines;
}

void RingServer::Broadcast(const std::string& message) {
  // A copy: a client that is dropped while sending leaves the list.
  const std::vector<ClientConnection*> clients = clients_;
  for (ClientConnection* client : clients) client->Send(message);
}

net::CallerRecord RingServer::InjectCall(std::string_view number, std::string_view detail) {
  const QDateTime now = Now();
  const net::CallerRecord record =
      store_.LogCall(number, detail.empty() ? CallDetail(now.time(), 1) : std::string(detail), now);
  Broadcast(NieuwMessage(record));
  Broadcast(UpdateBellersMessage(record.TodayCount));
  return record;
}

void RingServer::SimulateCall() {
  try {
    std::string number;
    const std::vector<std::string> known = store_.Numbers();
    if (!known.empty() && random_.bounded(100) < kKnownCallerPercent) {
      number = known[random_.bounded(static_cast<quint32>(known.size()))];
    } else {
      number = "06" + std::to_string(10000000 + random_.bounded(90000000));
    }
    InjectCall(number, CallDetail(Now().time(), 1 + random_.bounded(kSimulatedLines)));
  } catch (const Error& error) {
    qWarning("simulated call not logged: %s", error.what());
  }
}

void RingServer::Log(const QString& line) const {
  if (log_) log_(line);
}

}  // namespace ringlook::server
