// A server's listening socket on 127.0.0.1 in plain POSIX or Windows Sockets, so
// that each test decides exactly what its peer receives and how a connection
// ends. Not listening, its port refuses every attempt.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace ringlook::testing {

inline constexpr int kLoopbackTimeoutMs = 10000;

#ifdef _WIN32
using SocketHandle = SOCKET;
inline constexpr SocketHandle kNoSocket = INVALID_SOCKET;
inline constexpr int kSendFlags = 0;
inline constexpr int kSocketType = SOCK_STREAM;
inline void CloseSocket(SocketHandle socket) { closesocket(socket); }
inline SocketHandle AcceptSocket(SocketHandle socket) { return ::accept(socket, nullptr, nullptr); }
#else
using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;
inline constexpr int kSendFlags = MSG_NOSIGNAL;
inline constexpr int kSocketType = SOCK_STREAM | SOCK_CLOEXEC;
inline void CloseSocket(SocketHandle socket) { ::close(socket); }
inline SocketHandle AcceptSocket(SocketHandle socket) { return ::accept4(socket, nullptr, nullptr, SOCK_CLOEXEC); }
#endif

inline bool Readable(SocketHandle socket, int timeoutMs = kLoopbackTimeoutMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  return ::select(static_cast<int>(socket + 1), &set, nullptr, nullptr, &wait) == 1;
}

class Listener {
 public:
  explicit Listener(bool listening = true) {
#ifdef _WIN32
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
    socket_ = ::socket(AF_INET, kSocketType, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket_, reinterpret_cast<const sockaddr*>(&address), length) != 0) ADD_FAILURE() << "bind";
    if (listening && ::listen(socket_, 8) != 0) ADD_FAILURE() << "listen";
    ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    for (SocketHandle peer : peers_) CloseSocket(peer);
    CloseSocket(socket_);
#ifdef _WIN32
    WSACleanup();
#endif
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return port_; }

  // The server's end of the next connection; kNoSocket when none comes.
  SocketHandle Accept(int timeoutMs = kLoopbackTimeoutMs) {
    if (!Readable(socket_, timeoutMs)) return kNoSocket;
    const SocketHandle peer = AcceptSocket(socket_);
    if (peer != kNoSocket) peers_.push_back(peer);
    return peer;
  }
  // Fills the backlog, so that the system drops the next SYN and a connect
  // gets no answer at all; false where it refuses such a connect instead.
  bool StopAnswering() {
    if (::listen(socket_, 0) != 0) return false;
    for (int filler = 0; filler < 8; ++filler) {
      const SocketHandle waiting = ::socket(AF_INET, kSocketType, 0);
      peers_.push_back(waiting);
#ifdef _WIN32
      u_long nonBlocking = 1;
      ioctlsocket(waiting, FIONBIO, &nonBlocking);
#else
      ::fcntl(waiting, F_SETFL, O_NONBLOCK);
#endif
      sockaddr_in address{};
      address.sin_family = AF_INET;
      address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      address.sin_port = htons(port_);
      ::connect(waiting, reinterpret_cast<const sockaddr*>(&address), sizeof address);
      fd_set set;
      FD_ZERO(&set);
      FD_SET(waiting, &set);
      timeval wait{0, 300000};
      if (::select(static_cast<int>(waiting + 1), nullptr, &set, nullptr, &wait) == 0) return true;
    }
    return false;
  }
  void CloseInOrder(SocketHandle peer) { Close(peer); }
  // An abortive close: the client gets a reset instead of an end of stream.
  void Reset(SocketHandle peer) {
    const linger abort{1, 0};
    ::setsockopt(peer, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
    Close(peer);
  }

  static void Write(SocketHandle peer, const std::string& bytes) {
    ASSERT_EQ(::send(peer, bytes.data(), static_cast<int>(bytes.size()), kSendFlags), static_cast<int>(bytes.size()));
  }
  // Up to count bytes from the client, fewer when it closes or goes quiet.
  static std::string Received(SocketHandle peer, std::size_t count) {
    std::string got;
    char chunk[256];
    while (got.size() < count && Readable(peer)) {
      const auto n = ::recv(peer, chunk, static_cast<int>(std::min(sizeof chunk, count - got.size())), 0);
      if (n <= 0) break;
      got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
  }
  static bool EndOfStream(SocketHandle peer) {
    char byte = 0;
    return Readable(peer) && ::recv(peer, &byte, 1, 0) == 0;
  }

 private:
  void Close(SocketHandle peer) {
    peers_.erase(std::remove(peers_.begin(), peers_.end(), peer), peers_.end());
    CloseSocket(peer);
  }

  SocketHandle socket_ = kNoSocket;
  std::uint16_t port_ = 0;
  std::vector<SocketHandle> peers_;
};

}  // namespace ringlook::testing
