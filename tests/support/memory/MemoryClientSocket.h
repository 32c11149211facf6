// An in-memory client socket for the core's tests, while the test plays the
// network: it accepts or refuses attempts, answers lookups, delivers bytes,
// closes or resets. The rules of the socket contract are the base class's; a
// read notification for bytes left behind comes through the manual event loop,
// as the real sockets' come through their loops.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "memory/ManualEventLoop.h"
#include "net/ClientSocket.h"

namespace ringlook::net {

class MemoryClientSocket final : public ClientSocket {
 public:
  using ClientSocket::CurrentState;
  using ClientSocket::State;

  explicit MemoryClientSocket(ui::ManualEventLoop& loop) : loop_(loop) {
    UseDeadlineTimer(std::make_unique<ui::ManualTimer>(loop, kAttemptDeadlineMs, false));
  }

  int SendBytes(std::string_view bytes) override;
  int AvailableBytes() override { return Active() ? static_cast<int>(Waiting()) : 0; }
  int ReadBytes(char* buffer, int count) override;

  // The network's side.
  [[nodiscard]] int Attempts() const { return Attempt(); }
  // The name being looked up, or the dotted address being connected to.
  [[nodiscard]] const std::string& AttemptTarget() const { return attemptTarget_; }
  // Each report names the current attempt, or the attempt given: a late
  // report of one since replaced, as a real network can deliver it.
  void ResolveLookup(const std::string& dottedAddress, int attempt = 0) {
    LookedUp(Named(attempt), DottedAddress(dottedAddress));
  }
  void FailLookup(int code, int attempt = 0) { LookupFailed(Named(attempt), code); }
  void AcceptConnection(int attempt = 0) { Connected(Named(attempt)); }
  void RefuseConnection(int code, int attempt = 0) { ConnectFailed(Named(attempt), code); }
  void Receive(std::string_view bytes);
  // An orderly close, which the client hears of once it has read every byte.
  void CloseByPeer();
  // A close or read notification carrying an error: the connection stays up.
  void ErrorNotification(ErrorEvent step, int code) { PeerError(step, code); }
  // The connection's next SendBytes fails with code and closes it.
  void FailNextSend(int code) { failSendCode_ = code; }
  // A receive that fails with code and closes the connection.
  void FailReceive(int code) { TransferFailed(ErrorEvent::Receive, code); }
  [[nodiscard]] const std::vector<std::string>& Sent() const { return sent_; }
  void ClearSent() { sent_.clear(); }

 private:
  [[nodiscard]] int Named(int attempt) const { return attempt != 0 ? attempt : Attempt(); }
  void BeginLookup(const std::string& host) override { attemptTarget_ = host; }
  void BeginConnect(std::uint32_t address) override;
  void CloseTransport() override;
  void NotifyRead();
  [[nodiscard]] std::size_t Waiting() const { return inbound_.size() - readAt_; }

  ui::ManualEventLoop& loop_;
  std::string attemptTarget_;
  // Bytes before readAt_ have been read; dropping them only when all are read
  // keeps reading a large text in chunks linear.
  std::string inbound_;
  std::size_t readAt_ = 0;
  bool readArmed_ = true;
  bool closePending_ = false;
  int failSendCode_ = 0;
  std::vector<std::string> sent_;
};

}  // namespace ringlook::net
