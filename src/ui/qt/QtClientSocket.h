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

class QtClientSocket : public QObject, public net::ClientSocket {
  Q_OBJECT

 public:
  explicit QtClientSocket(std::uint16_t port = kPort);
  // Closes the connection without running any handler, as closing the program does.
  ~QtClientSocket() override;

  [[nodiscard]] bool Active() const override { return state_ == State::Connected; }
  void SetActive(bool active) override;
  void CancelAttempt() override;
  int SendBytes(std::string_view bytes) override;
  int AvailableBytes() override;
  int ReadBytes(char* buffer, int count) override;

 private:
  enum class State { Idle, Resolving, Connecting, Connected };

  void StartAttempt();
  // The lookup's answer comes to a slot by name, not to a functor: Qt 6.4 leaks
  // the functor of a lookup that is aborted or outlives its receiver.
  Q_SLOT void LookedUp(const QHostInfo& info);
  void Connect(int attempt, std::uint32_t address);
  void ConnectFinished();
  void ReadNotification();
  // Takes the socket and any lookup out of service; the descriptor is returned, not closed.
  int Detach();
  void Disconnect();
  // systemError: the errno behind code, 0 when there is none.
  void EndAttemptAfterError(net::ErrorEvent step, int code, int systemError = 0);
  void RaiseError(net::ErrorEvent step, int code, int systemError = 0);

  const std::uint16_t port_;
  State state_ = State::Idle;
  // Every attempt has its own number, so reports that arrive for a replaced one are dropped.
  int attempt_ = 0;
  int lookupId_ = -1;  // the pending lookup's id, which its answer carries
  int fd_ = -1;
  // Set once a close has been reported with an error: the connection stays up, but
  // nothing more will come from it, so reads no longer re-arm the notifier.
  bool closeReported_ = false;
  QSocketNotifier readNotifier_{QSocketNotifier::Read};
  QSocketNotifier writeNotifier_{QSocketNotifier::Write};
};

}  // namespace ringlook::qt
