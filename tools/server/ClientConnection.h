// One connected client. Cuts what the client sends into requests the way the
// client cuts what it receives (a burst ended by a moment of silence), and paces
// what goes back: each message in one write, and never two messages to this
// client closer together than the gap, because the client can tell messages
// apart only by the silence between them.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "PaceClock.h"

class QTcpSocket;

namespace ringlook::server {

struct ConnectionLimits {
  int SettleMs = 120;
  int GapMs = 250;
  // A request longer than this closes the connection.
  qsizetype MaxRequestBytes = 64 * 1024;
  // A client that lets more than this pile up unread is dropped.
  qsizetype MaxPendingBytes = 16 * 1024 * 1024;
};

class ClientConnection : public QObject {
  Q_OBJECT

 public:
  // Takes ownership of socket; pace times the gap.
  ClientConnection(QTcpSocket* socket, const ConnectionLimits& limits, PaceClock& pace, QObject* parent = nullptr);

  // Queues one message; it goes out whole, after the gap since the previous one.
  void Send(const std::string& message);
  // Closes at once; Closed follows.
  void Drop(const QString& reason);

  [[nodiscard]] const std::string& Nickname() const { return nickname_; }
  void SetNickname(const std::string& nickname) { nickname_ = nickname; }
  // Address and port of the client, for the log.
  [[nodiscard]] const QString& Peer() const { return peer_; }

 signals:
  void RequestReceived(ringlook::server::ClientConnection* connection, const QByteArray& request);
  void MessageSent(ringlook::server::ClientConnection* connection, const QByteArray& message);
  // Emitted once, whatever ended the connection.
  void Closed(ringlook::server::ClientConnection* connection, const QString& reason);

 private:
  void OnReadyRead();
  void OnSettled();
  void OnBytesWritten();
  void OnDisconnected();
  void WriteNext();
  void Finish(const QString& reason);

  QTcpSocket* socket_;
  ConnectionLimits limits_;
  QString peer_;
  std::string nickname_;
  QByteArray received_;
  QTimer settle_;
  std::deque<QByteArray> outgoing_;
  qsizetype outgoingBytes_ = 0;
  bool writing_ = false;
  PaceClock& pace_;
  std::optional<qint64> lastWrittenAt_;
  std::unique_ptr<PaceAlarm> gap_;
  bool closed_ = false;
};

}  // namespace ringlook::server
