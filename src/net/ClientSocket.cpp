// The target rules and the connection-attempt state machine of every client socket: see ClientSocket.h.
#include "net/ClientSocket.h"

#include "common/Error.h"
#include "common/Text.h"

#include <algorithm>
#include <utility>

namespace ringlook::net {

void ClientSocket::SetTargetText(std::string& field, std::string_view text) {
  if (EqualsIgnoringCase(field, text)) return;
  if (Active()) throw Error("Can't change value while socket is active");
  field.assign(text);
}

void ClientSocket::SetHost(std::string_view host) { SetTargetText(host_, host); }

void ClientSocket::SetAddress(std::string_view address) { SetTargetText(address_, address); }

void ClientSocket::SetActive(bool active) {
  if (active) {
    if (state_ != State::Connected) StartAttempt();
  } else if (state_ == State::Connected) {
    Note(Step::Closing);
    Disconnect();
  }
}

void ClientSocket::CancelAttempt() {
  if (state_ != State::Resolving && state_ != State::Connecting) return;
  Note(Step::Cancelling);
  state_ = State::Idle;
  StopDeadline();
  CloseTransport();
}

void ClientSocket::UseDeadlineTimer(std::unique_ptr<Timer> timer) {
  deadline_ = std::move(timer);
  deadline_->SetEnabled(false);
  deadline_->OnTimer = [this] { DeadlinePassed(); };
}

void ClientSocket::StartDeadline() {
  if (!deadline_) return;
  deadline_->SetInterval(deadlineMs_);
  deadline_->Restart();
}

void ClientSocket::StopDeadline() {
  if (deadline_) deadline_->SetEnabled(false);
}

void ClientSocket::DeadlinePassed() {
  StopDeadline();
  if (state_ == State::Resolving) {
    Note(Step::LookupTimedOut);
    CloseTransport();
    EndAttemptAfterError(ErrorEvent::Lookup, socket_error::kTimedOut);
  } else if (state_ == State::Connecting) {
    Note(Step::ConnectTimedOut);
    ConnectFailed(attempt_, socket_error::kTimedOut);
  }
}

void ClientSocket::StartAttempt() {
  StopDeadline();
  CloseTransport();
  const int attempt = ++attempt_;
  Note(Step::Starting);
  const Target target = CurrentTarget(*this);
  switch (target.kind) {
    case Target::Kind::None:
      state_ = State::Resolving;
      EndAttemptAfterError(ErrorEvent::Lookup, socket_error::kNoTarget);
      break;
    case Target::Kind::Lookup:
      state_ = State::Resolving;
      StartDeadline();
      BeginLookup(target.host);
      break;
    case Target::Kind::Address:
      StartDeadline();
      ConnectTo(attempt, target.address);
      break;
  }
}

void ClientSocket::ConnectTo(int attempt, std::uint32_t address) {
  state_ = State::Connecting;
  if (events_ != nullptr) events_->ClientSocket1Connecting();
  // The handler may have replaced or cancelled this attempt.
  if (attempt == attempt_ && state_ == State::Connecting) BeginConnect(address);
}

void ClientSocket::LookedUp(int attempt, std::uint32_t address) {
  if (attempt == attempt_ && state_ == State::Resolving) ConnectTo(attempt, address);
}

void ClientSocket::LookupFailed(int attempt, int code) {
  if (attempt != attempt_ || state_ != State::Resolving) return;
  StopDeadline();
  EndAttemptAfterError(ErrorEvent::Lookup, code);
}

void ClientSocket::Connected(int attempt) {
  if (attempt != attempt_ || state_ != State::Connecting) return;
  StopDeadline();
  state_ = State::Connected;
  if (events_ != nullptr) events_->ClientSocket1Connect();
}

void ClientSocket::ConnectFailed(int attempt, int code) {
  if (attempt != attempt_ || state_ != State::Connecting) return;
  StopDeadline();
  CloseTransport();
  state_ = State::Idle;
  RaiseError(ErrorEvent::Connect, code);
}

void ClientSocket::DataArrived() {
  if (state_ == State::Connected && events_ != nullptr) events_->ClientSocket1Read();
}

void ClientSocket::PeerClosed() {
  if (state_ == State::Connected) Disconnect();
}

void ClientSocket::PeerError(ErrorEvent step, int code) {
  if (state_ != State::Connected) return;
  if (code == socket_error::kTimedOut) {
    TransferFailed(ErrorEvent::Receive, code);
  } else {
    RaiseError(step, code);
  }
}

void ClientSocket::TransferFailed(ErrorEvent step, int code) {
  if (state_ == State::Connected) EndAttemptAfterError(step, code);
}

void ClientSocket::EndAttemptAfterError(ErrorEvent step, int code) {
  RaiseError(step, code);
  // The connection current when the handler returns is the one ended, which may
  // be an attempt the handler itself started.
  if (state_ != State::Idle) Disconnect();
}

void ClientSocket::RaiseError(ErrorEvent step, int code) {
  // The client's handler always clears the code. One left non-zero is ignored:
  // raising it here would throw through the platform's event loop, which cannot carry it.
  int errorCode = code;
  if (events_ != nullptr) events_->ClientSocket1Error(step, errorCode);
}

void ClientSocket::Disconnect() {
  state_ = State::Idle;
  StopDeadline();
  CloseTransport();
  if (events_ != nullptr) events_->ClientSocket1Disconnect();
}

std::uint32_t DottedAddress(std::string_view text) {
  constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  std::uint32_t result = 0;
  std::size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    const std::size_t end = std::min(text.find('.', pos), text.size());
    const std::string_view digits = text.substr(pos, end - pos);
    if (digits.empty() || digits.size() > 3) return kNone;
    unsigned value = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return kNone;
      value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 255) return kNone;
    // The fourth part must end the text, and only the fourth.
    if ((part == 3) != (end == text.size())) return kNone;
    result = (result << 8) | value;
    pos = end + 1;
  }
  return result;
}

Target CurrentTarget(const ClientSocket& socket) {
  Target t;
  if (!socket.Host().empty()) {
    t.kind = Target::Kind::Lookup;
    t.host = socket.Host();
  } else if (!socket.Address().empty()) {
    t.kind = Target::Kind::Address;
    t.address = DottedAddress(socket.Address());
  }
  return t;
}

void Connect(ClientSocket& socket, ConnectWay way, std::string_view target) {
  switch (way) {
    case ConnectWay::Retry:
      if (socket.Active()) return;
      break;
    case ConnectWay::SwitchServer:
      socket.SetActive(false);
      [[fallthrough]];
    case ConnectWay::SettingsClosed:
      socket.SetAddress(target);
      socket.SetHost(target);
      break;
    case ConnectWay::StoredServer:
      socket.SetAddress(target);
      break;
  }
  socket.SetActive(true);
}

}  // namespace ringlook::net
