// The network of the real client sockets: a listener on 127.0.0.1 that accepts
// or refuses, and its peer that writes, reads, closes in order or resets. Each
// kind adds only how its event loop is run.
#pragma once

#include <memory>
#include <string>

#include "LoopbackListener.h"
#include "SocketContract.h"

namespace ringlook::testing {

template <typename ClientSocketType>
class LoopbackNetwork : public Network {
 public:
  explicit LoopbackNetwork(bool listening) : listener_(listening) {}

  net::ClientSocket& Socket() override { return *socket_; }
  void DestroySocket() override { socket_.reset(); }
  bool Accept() override {
    peer_ = listener_.Accept();
    return peer_ != kNoSocket;
  }
  void Write(const std::string& bytes) override { Listener::Write(peer_, bytes); }
  std::string Received(std::size_t count) override { return Listener::Received(peer_, count); }
  bool EndOfStream() override { return Listener::EndOfStream(peer_); }
  [[nodiscard]] bool PeerOutlivesTheSocket() const override { return true; }
  void CloseInOrder() override { listener_.CloseInOrder(peer_); }
  void Reset() override { listener_.Reset(peer_); }
  bool StopAnswering() override { return listener_.StopAnswering(); }

  [[nodiscard]] std::uint16_t Port() const { return listener_.Port(); }

 private:
  Listener listener_;
  std::unique_ptr<ClientSocketType> socket_ = std::make_unique<ClientSocketType>(listener_.Port());
  SocketHandle peer_ = kNoSocket;
};

}  // namespace ringlook::testing
