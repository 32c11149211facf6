// The program's client socket: a non-blocking POSIX TCP socket watched by socket
// notifiers on the Qt event loop. QTcpSocket will not do: it reports a reset like
// an orderly close, and bytes that arrive while a readyRead slot runs a nested
// loop raise no new signal.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <cstdint>

#include "net/ClientSocket.h"

class QHostInfo;

namespace ringlook::qt {

class QtClientSocket final : public QObject, public net::ClientSocket {
  Q_OBJECT

 public:
  explicit QtClientSocket(std::uint16_t port = kPort);
  // Closes the connection without running any handler, as closing the program does.
  ~QtClientSocket() override;

  int SendBytes(std::string_view bytes) override;
  int AvailableBytes() override;
  int ReadBytes(char* buffer, int count) override;

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

  const std::uint16_t port_;
  int lookupId_ = -1;  // the pending lookup's id, which its answer carries
  int fd_ = -1;
  // Set once a close has been reported with an error: the connection stays up, but
  // nothing more will come from it, so reads no longer re-arm the notifier.
  bool closeReported_ = false;
  QSocketNotifier readNotifier_{QSocketNotifier::Read};
  QSocketNotifier writeNotifier_{QSocketNotifier::Write};
};

}  // namespace ringlook::qt
