// In-memory client socket: see MemoryClientSocket.h.
#include "memory/MemoryClientSocket.h"

#include <algorithm>
#include <cstring>

namespace ringlook::net {

void MemoryClientSocket::SetActive(bool active) {
  if (active) {
    if (state_ != State::Connected) StartAttempt();
  } else if (state_ == State::Connected) {
    Disconnect();
  }
}

void MemoryClientSocket::CancelAttempt() {
  if (state_ == State::Resolving || state_ == State::Connecting) state_ = State::Idle;
}

void MemoryClientSocket::StartAttempt() {
  ++attempts_;
  DropInbound();
  readArmed_ = true;
  const Target target = CurrentTarget(*this);
  switch (target.kind) {
    case Target::Kind::None: {
      state_ = State::Resolving;
      EndAttemptAfterError(ErrorEvent::Lookup, socket_error::kNoTarget);
      break;
    }
    case Target::Kind::Lookup:
      state_ = State::Resolving;
      attemptTarget_ = target.host;
      break;
    case Target::Kind::Address:
      state_ = State::Connecting;
      attemptTarget_ = Address();
      if (Events() != nullptr) Events()->ClientSocket1Connecting();
      break;
  }
}

void MemoryClientSocket::ResolveLookup(const std::string& dottedAddress) {
  if (state_ != State::Resolving) return;
  state_ = State::Connecting;
  attemptTarget_ = dottedAddress;
  if (Events() != nullptr) Events()->ClientSocket1Connecting();
}

void MemoryClientSocket::FailLookup(int code) {
  if (state_ != State::Resolving) return;
  EndAttemptAfterError(ErrorEvent::Lookup, code);
}

void MemoryClientSocket::EndAttemptAfterError(ErrorEvent step, int code) {
  RaiseError(step, code);
  // The attempt current when the handler returns is the one ended, which may be
  // one the handler itself started.
  if (state_ == State::Resolving || state_ == State::Connecting) Disconnect();
}

void MemoryClientSocket::AcceptConnection() {
  if (state_ != State::Connecting) return;
  state_ = State::Connected;
  if (Events() != nullptr) Events()->ClientSocket1Connect();
}

void MemoryClientSocket::RefuseConnection(int code) {
  if (state_ != State::Connecting) return;
  state_ = State::Idle;
  RaiseError(ErrorEvent::Connect, code);
}

void MemoryClientSocket::Receive(std::string_view bytes) {
  if (state_ != State::Connected) return;
  inbound_.append(bytes);
  NotifyRead();
}

void MemoryClientSocket::NotifyRead() {
  if (!readArmed_ || Waiting() == 0) return;
  readArmed_ = false;
  ++readNotifications_;
  if (Events() != nullptr) Events()->ClientSocket1Read();
}

void MemoryClientSocket::CloseByPeer() {
  if (state_ == State::Connected) Disconnect();
}

void MemoryClientSocket::ErrorNotification(ErrorEvent step, int code) {
  if (state_ == State::Connected) RaiseError(step, code);
}

void MemoryClientSocket::FailReceive(int code) {
  if (state_ != State::Connected) return;
  RaiseError(ErrorEvent::Receive, code);
  if (state_ == State::Connected) Disconnect();
}

int MemoryClientSocket::SendBytes(std::string_view bytes) {
  if (state_ != State::Connected) return 0;
  if (failSendCode_ != 0) {
    const int code = failSendCode_;
    failSendCode_ = 0;
    RaiseError(ErrorEvent::Send, code);
    if (state_ == State::Connected) Disconnect();
    return -1;
  }
  sent_.emplace_back(bytes);
  return static_cast<int>(bytes.size());
}

int MemoryClientSocket::ReadBytes(char* buffer, int count) {
  if (state_ != State::Connected) return 0;
  readArmed_ = true;
  if (Waiting() == 0) return -1;
  const auto n = std::min<std::size_t>(Waiting(), static_cast<std::size_t>(std::max(count, 0)));
  std::memcpy(buffer, inbound_.data() + readAt_, n);
  readAt_ += n;
  if (Waiting() == 0) DropInbound();
  // Bytes left behind raise the next notification from the loop, never inside the read.
  if (Waiting() != 0) loop_.Post([this] { NotifyRead(); });
  return static_cast<int>(n);
}

void MemoryClientSocket::Disconnect() {
  state_ = State::Idle;
  DropInbound();
  if (Events() != nullptr) Events()->ClientSocket1Disconnect();
}

void MemoryClientSocket::DropInbound() {
  inbound_.clear();
  readAt_ = 0;
}

void MemoryClientSocket::RaiseError(ErrorEvent step, int code) {
  int errorCode = code;
  if (Events() != nullptr) Events()->ClientSocket1Error(step, errorCode);
}

}  // namespace ringlook::net
