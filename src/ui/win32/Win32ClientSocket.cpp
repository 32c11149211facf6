// The Windows Sockets client socket: see Win32ClientSocket.h.
#include "ui/win32/Win32ClientSocket.h"

#include <utility>

#include "common/Error.h"

namespace ringlook::win32 {

using net::ErrorEvent;

namespace {

constexpr UINT kLookedUp = WM_APP + 1;
constexpr UINT kConnectLiteral = WM_APP + 2;  // wParam attempt, lParam address
constexpr UINT kConnectFailed = WM_APP + 3;   // wParam attempt, lParam error
constexpr UINT kPendingClose = WM_APP + 4;    // wParam attempt
constexpr UINT kFirstNotification = WM_APP + 0x100;
constexpr int kNotificationMessages = 0x100;
constexpr std::uint32_t kNoAddress = 0xFFFFFFFFu;

}  // namespace

Win32ClientSocket::Win32ClientSocket(std::uint16_t port)
    : port_(port), window_([this](UINT message, WPARAM wParam, LPARAM lParam) { Message(message, wParam, lParam); }) {
  WSADATA data{};
  if (const int error = WSAStartup(MAKEWORD(1, 1), &data); error != 0) {
    throw Error("Windows socket error: " + SystemErrorText(static_cast<DWORD>(error)) + " (" + std::to_string(error) +
                "), on API 'WSAStartup'");
  }
}

Win32ClientSocket::~Win32ClientSocket() {
  const SOCKET socket = Detach();
  if (socket != INVALID_SOCKET) closesocket(socket);
  WSACleanup();
}

UINT Win32ClientSocket::NotificationMessage(int attempt) const {
  return kFirstNotification + static_cast<UINT>(attempt % kNotificationMessages);
}

void Win32ClientSocket::SetActive(bool active) {
  if (active) {
    if (state_ != State::Connected) StartAttempt();
  } else if (state_ == State::Connected) {
    Disconnect();
  }
}

void Win32ClientSocket::CancelAttempt() {
  if (state_ != State::Resolving && state_ != State::Connecting) return;
  ++attempt_;
  state_ = State::Idle;
  const SOCKET socket = Detach();
  if (socket != INVALID_SOCKET) closesocket(socket);
}

void Win32ClientSocket::StartAttempt() {
  const SOCKET replaced = Detach();
  if (replaced != INVALID_SOCKET) closesocket(replaced);
  const int attempt = ++attempt_;
  const net::Target target = net::CurrentTarget(*this);
  switch (target.kind) {
    case net::Target::Kind::None:
      state_ = State::Resolving;
      EndAttemptAfterError(ErrorEvent::Lookup, net::socket_error::kNoTarget);
      break;
    case net::Target::Kind::Lookup: {
      state_ = State::Resolving;
      const std::uint32_t literal = net::DottedAddress(target.host);
      if (literal != kNoAddress) {
        // A dotted address is its own answer; it still comes from the loop, as a lookup's would.
        PostMessageA(window_.Handle(), kConnectLiteral, static_cast<WPARAM>(attempt), static_cast<LPARAM>(literal));
        break;
      }
      lookupAnswer_.assign(MAXGETHOSTSTRUCT, 0);
      lookup_ = WSAAsyncGetHostByName(window_.Handle(), kLookedUp, target.host.c_str(), lookupAnswer_.data(),
                                      static_cast<int>(lookupAnswer_.size()));
      if (lookup_ == nullptr) EndAttemptAfterError(ErrorEvent::Lookup, WSAGetLastError());
      break;
    }
    case net::Target::Kind::Address:
      Connect(attempt, target.address);
      break;
  }
}

void Win32ClientSocket::Connect(int attempt, std::uint32_t address) {
  state_ = State::Connecting;
  if (Events() != nullptr) Events()->ClientSocket1Connecting();
  if (attempt != attempt_) return;  // the handler replaced this attempt

  int error = 0;
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) {
    error = WSAGetLastError();
  } else if (WSAAsyncSelect(socket, window_.Handle(), NotificationMessage(attempt), FD_CONNECT | FD_READ | FD_CLOSE) !=
             0) {
    error = WSAGetLastError();
    closesocket(socket);
  } else {
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port_);
    peer.sin_addr.s_addr = htonl(address);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0 ||
        WSAGetLastError() == WSAEWOULDBLOCK) {
      socket_ = socket;
      return;
    }
    error = WSAGetLastError();
    closesocket(socket);
  }
  // Reported from the loop like any failed connect, so a handler that retries
  // does not nest inside this call.
  PostMessageA(window_.Handle(), kConnectFailed, static_cast<WPARAM>(attempt), static_cast<LPARAM>(error));
}

void Win32ClientSocket::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool current = static_cast<int>(wParam) == attempt_;
  switch (message) {
    case kLookedUp:
      LookedUp(wParam, lParam);
      return;
    case kConnectLiteral:
      if (current && state_ == State::Resolving) Connect(attempt_, static_cast<std::uint32_t>(lParam));
      return;
    case kConnectFailed:
      if (current && state_ == State::Connecting && socket_ == INVALID_SOCKET) {
        state_ = State::Idle;
        RaiseError(ErrorEvent::Connect, static_cast<int>(lParam));
      }
      return;
    case kPendingClose:
      if (current && state_ == State::Connected && closePending_) Disconnect();
      return;
    default:
      break;
  }
  if (message == NotificationMessage(attempt_) && socket_ != INVALID_SOCKET && static_cast<SOCKET>(wParam) == socket_) {
    Notified(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
  }
}

void Win32ClientSocket::LookedUp(WPARAM task, LPARAM result) {
  // An answer to a cancelled lookup may still come.
  if (state_ != State::Resolving || lookup_ == nullptr || reinterpret_cast<HANDLE>(task) != lookup_) return;
  lookup_ = nullptr;
  const int error = WSAGETASYNCERROR(result);
  const auto* answer = reinterpret_cast<const hostent*>(lookupAnswer_.data());
  if (error == 0 && answer->h_addrtype == AF_INET && answer->h_addr_list != nullptr &&
      answer->h_addr_list[0] != nullptr) {
    in_addr first{};
    memcpy(&first, answer->h_addr_list[0], sizeof first);
    Connect(attempt_, ntohl(first.s_addr));
    return;
  }
  EndAttemptAfterError(ErrorEvent::Lookup, error != 0 ? error : net::socket_error::kHostNotFound);
}

void Win32ClientSocket::Notified(int event, int error) {
  switch (event) {
    case FD_CONNECT:
      if (state_ != State::Connecting) return;
      if (error != 0) {
        closesocket(Detach());
        state_ = State::Idle;
        RaiseError(ErrorEvent::Connect, error);
        return;
      }
      state_ = State::Connected;
      if (Events() != nullptr) Events()->ClientSocket1Connect();
      return;
    case FD_READ:
      if (state_ != State::Connected) return;
      if (error != 0) {
        RaiseError(ErrorEvent::Receive, error);
        return;
      }
      if (readDelivered_) return;
      readDelivered_ = true;
      if (Events() != nullptr) Events()->ClientSocket1Read();
      return;
    case FD_CLOSE:
      if (state_ != State::Connected) return;
      if (error != 0) {
        // The connection stays up for the handler to close.
        RaiseError(ErrorEvent::Disconnect, error);
        return;
      }
      if (AvailableBytes() > 0) {
        closePending_ = true;
        return;
      }
      Disconnect();
      return;
    default:
      return;
  }
}

int Win32ClientSocket::SendBytes(std::string_view bytes) {
  if (state_ != State::Connected) return 0;
  const int sent = ::send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0);
  if (sent != SOCKET_ERROR) return sent;
  const int error = WSAGetLastError();
  if (error != WSAEWOULDBLOCK) EndAttemptAfterError(ErrorEvent::Send, error);
  return -1;
}

int Win32ClientSocket::AvailableBytes() {
  if (state_ != State::Connected) return 0;
  u_long count = 0;
  if (ioctlsocket(socket_, FIONREAD, &count) != 0) return 0;
  return static_cast<int>(count);
}

int Win32ClientSocket::ReadBytes(char* buffer, int count) {
  if (state_ != State::Connected) return 0;
  // Reading re-arms FD_READ: bytes left behind raise the next notification.
  readDelivered_ = false;
  const int got = ::recv(socket_, buffer, count > 0 ? count : 0, 0);
  if (got != SOCKET_ERROR) {
    if (closePending_ && AvailableBytes() == 0) {
      PostMessageA(window_.Handle(), kPendingClose, static_cast<WPARAM>(attempt_), 0);
    }
    return got;
  }
  const int error = WSAGetLastError();
  if (error != WSAEWOULDBLOCK) EndAttemptAfterError(ErrorEvent::Receive, error);
  return -1;
}

SOCKET Win32ClientSocket::Detach() {
  if (lookup_ != nullptr) WSACancelAsyncRequest(lookup_);
  lookup_ = nullptr;
  readDelivered_ = false;
  closePending_ = false;
  return std::exchange(socket_, INVALID_SOCKET);
}

void Win32ClientSocket::Disconnect() {
  const SOCKET socket = Detach();
  state_ = State::Idle;
  if (Events() != nullptr) Events()->ClientSocket1Disconnect();
  if (socket != INVALID_SOCKET) closesocket(socket);
}

void Win32ClientSocket::EndAttemptAfterError(ErrorEvent step, int code) {
  RaiseError(step, code);
  // The connection current when the handler returns is the one ended, which may
  // be an attempt the handler itself started.
  if (state_ != State::Idle) Disconnect();
}

void Win32ClientSocket::RaiseError(ErrorEvent step, int code) {
  // The client's handler always clears the code; one left non-zero is ignored.
  int errorCode = code;
  if (Events() != nullptr) Events()->ClientSocket1Error(step, errorCode);
}

}  // namespace ringlook::win32
