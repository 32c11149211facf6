// The reference server: accepts clients, answers their requests from the Store,
// forwards messages between them, refuses a nickname in use, tells every client
// about changed entries, and announces incoming calls (simulated or injected).
#pragma once

#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ClientConnection.h"
#include "PaceClock.h"
#include "Request.h"
#include "Store.h"

namespace ringlook::server {

// A FIND reply holds at most this many records.
inline constexpr std::size_t kFindLimit = 300;

class RingServer : public QObject {
  Q_OBJECT

 public:
  using Clock = std::function<QDateTime()>;
  using LogSink = std::function<void(const QString& line)>;

  // clock gives the date and time of calls and of "today"; pace times the gap between writes.
  RingServer(Store& store, Clock clock, const ConnectionLimits& limits = {}, PaceClock& pace = SystemPaceClock(),
             QObject* parent = nullptr);

  // False when the address cannot be bound; ErrorString says why. Port 0 picks a free port.
  bool Listen(const QHostAddress& address, quint16 port);
  [[nodiscard]] QString ErrorString() const { return listener_.errorString(); }
  [[nodiscard]] QHostAddress Address() const { return listener_.serverAddress(); }
  [[nodiscard]] quint16 Port() const { return listener_.serverPort(); }

  // Every message received and sent goes to sink; an empty sink logs nothing.
  void SetLog(LogSink sink) { log_ = std::move(sink); }
  // A call every intervalMs, from a directory number or an unknown one; 0 stops.
  void SetSimulation(int intervalMs);

  // Logs a call and announces it to every client: NIEUW, then UPDATEBELLERS.
  // An empty detail gives the time and line 1.
  net::CallerRecord InjectCall(std::string_view number, std::string_view detail = {});
  // Moves the server's day on by one: later calls are logged on the next day,
  // and HISTORY gives that day's calls only. Returns the new day.
  QDate MoveDay();
  // Sends body from sender to every client whose nickname is recipient; returns how many.
  int Deliver(std::string_view recipient, std::string_view sender, std::string_view body);

  // The nicknames of the connected clients, in the order they connected.
  [[nodiscard]] std::vector<std::string> Nicknames() const;
  // One line per client: its address and its nickname.
  [[nodiscard]] std::vector<QString> Clients() const;

 private:
  void OnNewConnection();
  void OnRequest(ClientConnection* connection, const QByteArray& bytes);
  void OnClosed(ClientConnection* connection, const QString& reason);
  void Handle(ClientConnection& connection, const Request& request);
  void ChangeNickname(ClientConnection& connection, const std::string& nickname);
  void Broadcast(const std::string& message);
  void SimulateCall();
  void Log(const QString& line) const;
  [[nodiscard]] QDateTime Now() const { return clock_().addDays(daysMoved_); }

  Store& store_;
  Clock clock_;
  int daysMoved_ = 0;
  ConnectionLimits limits_;
  PaceClock& pace_;
  LogSink log_;
  QTcpServer listener_;
  std::vector<ClientConnection*> clients_;
  QTimer simulation_;
  QRandomGenerator random_;
};

}  // namespace ringlook::server
