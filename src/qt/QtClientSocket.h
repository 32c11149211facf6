// The program's client socket: a non-blocking POSIX TCP socket watched by socket
// notifiers on the Qt event loop. QTcpSocket will not do: it reports a reset like
// an orderly close, and bytes that arrive while a readyRead slot runs a nested
// loop raise no new signal.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>

#include <cstdint>

#include "net/ClientSocket.h"

class QHostInfo;

namespace ringlook::qt {

class QtClientSocket final : public QObject, public net::ClientSocket {
  Q_OBJECT

 public:
  // How the system probes an idle link and gives up on one that stops answering.
  struct KeepAlive {
    int idleS;
    int intervalS;
    int probes;
    int unansweredMs;  // TCP_USER_TIMEOUT: also ends a send that gets no answer
  };
  // A host that stops answering is given up 25 s after its last answer, 50 s at
  // worst when a NICK^ went out just before; an idle but live link never is.
  static constexpr KeepAlive kKeepAlive{10, 5, 3, 25000};

  explicit QtClientSocket(std::uint16_t port = kPort);
  // Closes the connection without running any handler, as closing the program does.
  ~QtClientSocket() override;

  int SendBytes(std::string_view bytes) override;
  int AvailableBytes() override;
  int ReadBytes(char* buffer, int count) override;
  // For tests: shorter values, taken by the next connection.
  void SetKeepAlive(const KeepAlive& values) { keepAlive_ = values; }

 private:
  void BeginLookup(const std::string& host) override;
  void BeginConnect(std::uint32_t address) override;
  void CloseTransport() override;
  void Note(Step step) override;
  // The lookup's answer comes to a slot by name, not to a functor: Qt 6.4 leaks
  // the functor of a lookup that is aborted or outlives its receiver.
  Q_SLOT void HostLookedUp(const QHostInfo& info);
  void LogConnecting(std::uint32_t address);
  void ConnectFinished();
  void ReadNotification();
  void StartKeepAlive();

  const std::uint16_t port_;
  KeepAlive keepAlive_ = kKeepAlive;
  // Since the attempt started, then since the server was last heard from.
  QElapsedTimer heard_;
  int lookupId_ = -1;  // the pending lookup's id, which its answer carries
  int fd_ = -1;
  // Set once a close has been reported with an error: the connection stays up, but
  // nothing more will come from it, so reads no longer re-arm the notifier.
  bool closeReported_ = false;
  QSocketNotifier readNotifier_{QSocketNotifier::Read};
  QSocketNotifier writeNotifier_{QSocketNotifier::Write};
};

}  // namespace ringlook::qt
