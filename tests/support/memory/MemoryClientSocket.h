// An in-memory client socket that keeps every rule of the socket contract, while
// the test plays the network: it accepts or refuses attempts, answers lookups,
// delivers bytes, closes or resets. Notifications are delivered through the
// manual event loop, as the real socket delivers them through the Qt loop.
#pragma once

#include <string>
#include <vector>

#include "memory/ManualEventLoop.h"
#include "net/ClientSocket.h"

namespace ringlook::net {

class MemoryClientSocket : public ClientSocket {
 public:
  enum class State { Idle, Resolving, Connecting, Connected };

  explicit MemoryClientSocket(ui::ManualEventLoop& loop) : loop_(loop) {}

  [[nodiscard]] bool Active() const override { return state_ == State::Connected; }
  void SetActive(bool active) override;
  void CancelAttempt() override;
  int SendBytes(std::string_view bytes) override;
  int AvailableBytes() override { return Active() ? static_cast<int>(Waiting()) : 0; }
  int ReadBytes(char* buffer, int count) override;

  // The network's side.
  [[nodiscard]] State CurrentState() const { return state_; }
  [[nodiscard]] int Attempts() const { return attempts_; }
  [[nodiscard]] std::string AttemptTarget() const { return attemptTarget_; }
  void ResolveLookup(const std::string& dottedAddress);
  void FailLookup(int code);
  void AcceptConnection();
  void RefuseConnection(int code);
  void Receive(std::string_view bytes);
  void CloseByPeer();
  // A close or read notification carrying an error: the connection stays up.
  void ErrorNotification(ErrorEvent step, int code);
  // The next SendBytes fails with code and closes the connection.
  void FailNextSend(int code) { failSendCode_ = code; }
  // A receive that fails with code and closes the connection.
  void FailReceive(int code);
  [[nodiscard]] const std::vector<std::string>& Sent() const { return sent_; }
  void ClearSent() { sent_.clear(); }
  [[nodiscard]] int ReadNotifications() const { return readNotifications_; }

 private:
  void StartAttempt();
  void Disconnect();
  void RaiseError(ErrorEvent step, int code);
  void EndAttemptAfterError(ErrorEvent step, int code);
  void NotifyRead();
  [[nodiscard]] std::size_t Waiting() const { return inbound_.size() - readAt_; }
  void DropInbound();

  ui::ManualEventLoop& loop_;
  State state_ = State::Idle;
  int attempts_ = 0;
  std::string attemptTarget_;
  // Bytes before readAt_ have been read; dropping them only when all are read
  // keeps reading a large text in chunks linear.
  std::string inbound_;
  std::size_t readAt_ = 0;
  bool readArmed_ = true;
  int failSendCode_ = 0;
  int readNotifications_ = 0;
  std::vector<std::string> sent_;
};

}  // namespace ringlook::net
