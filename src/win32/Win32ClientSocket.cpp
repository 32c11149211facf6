// The Windows Sockets client socket: see Win32ClientSocket.h.
#include "win32/Win32ClientSocket.h"

#include <mstcpip.h>
#include <ws2tcpip.h>

#include <memory>
#include <utility>

#include "common/Error.h"
#include "win32/Win32Timer.h"

namespace ringlook::win32 {

namespace {

constexpr UINT kLookedUp = WM_APP + 1;
constexpr UINT kConnectLiteral = WM_APP + 2;  // wParam attempt, lParam address
constexpr UINT kConnectFailed = WM_APP + 3;   // wParam attempt, lParam error
constexpr UINT kPendingClose = WM_APP + 4;    // wParam attempt
constexpr UINT kFirstNotification = WM_APP + 0x100;
constexpr int kNotificationMessages = 0x100;
constexpr std::uint32_t kNoAddress = 0xFFFFFFFFu;

// A host that stops answering is given up 25 s after its last answer (ten probes, fixed by the system).
constexpr ULONG kKeepAliveIdleMs = 10000;
constexpr ULONG kKeepAliveIntervalMs = 1500;

void StartKeepAlive(SOCKET socket) {
  tcp_keepalive values{1, kKeepAliveIdleMs, kKeepAliveIntervalMs};
  DWORD returned = 0;
  WSAIoctl(socket, SIO_KEEPALIVE_VALS, &values, sizeof values, nullptr, 0, &returned, nullptr, nullptr);
#ifdef TCP_MAXRT
  const DWORD seconds = 25;  // a send that gets no answer gives up as soon
  setsockopt(socket, IPPROTO_TCP, TCP_MAXRT, reinterpret_cast<const char*>(&seconds), sizeof seconds);
#endif
}

}  // namespace

Win32ClientSocket::Win32ClientSocket(std::uint16_t port)
    : port_(port), window_([this](UINT message, WPARAM wParam, LPARAM lParam) { Message(message, wParam, lParam); }) {
  UseDeadlineTimer(std::make_unique<Win32Timer>(net::kAttemptDeadlineMs, false));
  WSADATA data{};
  if (const int error = WSAStartup(MAKEWORD(1, 1), &data); error != 0) {
    throw Error("Windows socket error: " + SystemErrorText(static_cast<DWORD>(error)) + " (" + std::to_string(error) +
                "), on API 'WSAStartup'");
  }
}

Win32ClientSocket::~Win32ClientSocket() {
  CloseTransport();
  WSACleanup();
}

UINT Win32ClientSocket::NotificationMessage(int attempt) const {
  return kFirstNotification + static_cast<UINT>(attempt % kNotificationMessages);
}

void Win32ClientSocket::BeginLookup(const std::string& host) {
  const std::uint32_t literal = net::DottedAddress(host);
  if (literal != kNoAddress) {
    // A dotted address is its own answer; it still comes from the loop, as a lookup's would.
    PostMessageA(window_.Handle(), kConnectLiteral, static_cast<WPARAM>(Attempt()), static_cast<LPARAM>(literal));
    return;
  }
  lookupAnswer_.assign(MAXGETHOSTSTRUCT, 0);
  lookup_ = WSAAsyncGetHostByName(window_.Handle(), kLookedUp, host.c_str(), lookupAnswer_.data(),
                                  static_cast<int>(lookupAnswer_.size()));
  if (lookup_ == nullptr) LookupFailed(Attempt(), WSAGetLastError());
}

void Win32ClientSocket::BeginConnect(std::uint32_t address) {
  int error = 0;
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) {
    error = WSAGetLastError();
  } else if (WSAAsyncSelect(socket, window_.Handle(), NotificationMessage(Attempt()),
                            FD_CONNECT | FD_READ | FD_CLOSE) != 0) {
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
  PostMessageA(window_.Handle(), kConnectFailed, static_cast<WPARAM>(Attempt()), static_cast<LPARAM>(error));
}

void Win32ClientSocket::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  const int attempt = static_cast<int>(wParam);
  switch (message) {
    case kLookedUp:
      LookupAnswered(wParam, lParam);
      return;
    case kConnectLiteral:
      LookedUp(attempt, static_cast<std::uint32_t>(lParam));
      return;
    case kConnectFailed:
      if (socket_ == INVALID_SOCKET) ConnectFailed(attempt, static_cast<int>(lParam));
      return;
    case kPendingClose:
      if (attempt == Attempt() && closePending_) PeerClosed();
      return;
    default:
      break;
  }
  if (message == NotificationMessage(Attempt()) && socket_ != INVALID_SOCKET &&
      static_cast<SOCKET>(wParam) == socket_) {
    Notified(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
  }
}

void Win32ClientSocket::LookupAnswered(WPARAM task, LPARAM result) {
  // An answer to a cancelled lookup may still come.
  if (lookup_ == nullptr || reinterpret_cast<HANDLE>(task) != lookup_) return;
  lookup_ = nullptr;
  const int error = WSAGETASYNCERROR(result);
  const auto* answer = reinterpret_cast<const hostent*>(lookupAnswer_.data());
  if (error == 0 && answer->h_addrtype == AF_INET && answer->h_addr_list != nullptr &&
      answer->h_addr_list[0] != nullptr) {
    in_addr first{};
    memcpy(&first, answer->h_addr_list[0], sizeof first);
    LookedUp(Attempt(), ntohl(first.s_addr));
    return;
  }
  LookupFailed(Attempt(), error != 0 ? error : net::socket_error::kHostNotFound);
}

void Win32ClientSocket::Notified(int event, int error) {
  switch (event) {
    case FD_CONNECT:
      if (error != 0) {
        ConnectFailed(Attempt(), error);
      } else {
        StartKeepAlive(socket_);
        Connected(Attempt());
      }
      return;
    case FD_READ:
      if (!Active()) return;
      if (error != 0) {
        PeerError(net::ErrorEvent::Receive, error);
        return;
      }
      if (readDelivered_) return;
      readDelivered_ = true;
      DataArrived();
      return;
    case FD_CLOSE: {
      if (!Active()) return;
      // Wine reports a reset by the peer as a close without error; a send of
      // nothing fails after a reset only, so it tells the two apart.
      const char nothing = 0;
      if (error == 0 && ::send(socket_, &nothing, 0, 0) == SOCKET_ERROR) error = WSAGetLastError();
      // A link that keep-alive found dead is reported as a network reset; it is the time-out.
      if (error == WSAENETRESET) error = net::socket_error::kTimedOut;
      if (error != 0) {
        PeerError(net::ErrorEvent::Disconnect, error);
      } else if (AvailableBytes() > 0) {
        closePending_ = true;
      } else {
        PeerClosed();
      }
      return;
    }
    default:
      return;
  }
}

int Win32ClientSocket::SendBytes(std::string_view bytes) {
  if (!Active()) return 0;
  const int sent = ::send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0);
  if (sent != SOCKET_ERROR) return sent;
  const int error = WSAGetLastError();
  if (error != WSAEWOULDBLOCK) TransferFailed(net::ErrorEvent::Send, error);
  return -1;
}

int Win32ClientSocket::AvailableBytes() {
  if (!Active()) return 0;
  u_long count = 0;
  if (ioctlsocket(socket_, FIONREAD, &count) != 0) return 0;
  return static_cast<int>(count);
}

int Win32ClientSocket::ReadBytes(char* buffer, int count) {
  if (!Active()) return 0;
  // Reading re-arms FD_READ: bytes left behind raise the next notification.
  readDelivered_ = false;
  const int got = ::recv(socket_, buffer, count > 0 ? count : 0, 0);
  if (got != SOCKET_ERROR) {
    if (closePending_ && AvailableBytes() == 0) {
      PostMessageA(window_.Handle(), kPendingClose, static_cast<WPARAM>(Attempt()), 0);
    }
    return got;
  }
  const int error = WSAGetLastError();
  if (error != WSAEWOULDBLOCK) TransferFailed(net::ErrorEvent::Receive, error);
  return -1;
}

void Win32ClientSocket::CloseTransport() {
  if (lookup_ != nullptr) WSACancelAsyncRequest(lookup_);
  lookup_ = nullptr;
  readDelivered_ = false;
  closePending_ = false;
  if (socket_ != INVALID_SOCKET) closesocket(std::exchange(socket_, INVALID_SOCKET));
}

}  // namespace ringlook::win32
