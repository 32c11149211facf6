// A server's listening socket on 127.0.0.1 in plain POSIX, so that each test
// decides exactly what its peer receives and how a connection ends. Not
// listening, its port refuses every attempt.
#pragma once

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ringlook::testing {

inline constexpr int kLoopbackTimeoutMs = 10000;

inline bool Readable(int fd, int timeoutMs = kLoopbackTimeoutMs) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, timeoutMs) == 1;
}

class Listener {
 public:
  explicit Listener(bool listening = true) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) != 0) ADD_FAILURE() << "bind";
    if (listening && ::listen(fd_, 8) != 0) ADD_FAILURE() << "listen";
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    for (int peer : peers_) ::close(peer);
    ::close(fd_);
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return port_; }

  // The server's end of the next connection; -1 when none comes.
  int Accept(int timeoutMs = kLoopbackTimeoutMs) {
    if (!Readable(fd_, timeoutMs)) return -1;
    const int peer = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer >= 0) peers_.push_back(peer);
    return peer;
  }
  void CloseInOrder(int peer) { Close(peer); }
  // An abortive close: the client gets a reset instead of an end of stream.
  void Reset(int peer) {
    const linger abort{1, 0};
    ::setsockopt(peer, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    Close(peer);
  }

 private:
  void Close(int peer) {
    peers_.erase(std::remove(peers_.begin(), peers_.end(), peer), peers_.end());
    ::close(peer);
  }

  int fd_ = -1;
  std::uint16_t port_ = 0;
  std::vector<int> peers_;
};

}  // namespace ringlook::testing
