// The socket contract as one suite that every client socket runs: the in-memory
// one in the unit tests, the Qt one and the Windows Sockets one over loopback.
// Each kind brings a Network, the server's side of its socket; its test file
// instantiates the suite with it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "net/ClientSocket.h"

namespace ringlook::testing {

inline constexpr int kContractTimeoutMs = 10000;

// A socket, the loop its events come from, and the server it connects to at
// 127.0.0.1: listening, or refusing every attempt. "localhost" is 127.0.0.1;
// nothing listens at 127.0.0.2.
class Network {
 public:
  virtual ~Network() = default;
  virtual net::ClientSocket& Socket() = 0;
  // Destroys the socket, as closing the program does.
  virtual void DestroySocket() = 0;
  // Runs the loop until done() holds or timeoutMs have passed; false on the latter.
  virtual bool WaitUntil(const std::function<bool()>& done, int timeoutMs) = 0;
  // Takes the next connection as the peer the calls below act on; false when none comes.
  virtual bool Accept() = 0;
  virtual void Write(const std::string& bytes) = 0;
  // Up to count bytes the client sent, fewer when it closes or goes quiet.
  virtual std::string Received(std::size_t count) = 0;
  // The client has closed the peer's connection.
  virtual bool EndOfStream() = 0;
  // Whether the peer outlives the socket, so that EndOfStream can tell whether
  // destroying the socket closed the connection.
  [[nodiscard]] virtual bool PeerOutlivesTheSocket() const { return false; }
  virtual void CloseInOrder() = 0;
  // An abortive close: the client gets a reset instead of an end of stream.
  virtual void Reset() = 0;
  // From now on a connect gets no answer at all, as from a host that is off;
  // false where this kind cannot arrange that.
  virtual bool StopAnswering() = 0;
  // Where the platforms' numbers differ: a connect to 255.255.255.255, an unknown host.
  [[nodiscard]] virtual std::vector<int> UnreachableCodes() const { return {net::socket_error::kNetUnreachable}; }
  [[nodiscard]] virtual std::vector<int> UnknownHostCodes() const { return {net::socket_error::kHostNotFound}; }
};

struct SocketKind {
  const char* name;
  std::function<std::unique_ptr<Network>(bool listening)> make;
};
inline void PrintTo(const SocketKind& kind, std::ostream* out) { *out << kind.name; }

// The window's side: a log of every event, with the Active value the handler
// sees, and a hook per event for the handler's own actions.
class Recorder : public net::ClientSocketEvents {
 public:
  explicit Recorder(Network& network) : network_(network) { network.Socket().SetEvents(this); }

  void ClientSocket1Connecting() override { Handle("Connecting", onConnecting); }
  void ClientSocket1Connect() override { Handle("Connect", nullptr); }
  void ClientSocket1Disconnect() override { Handle("Disconnect", nullptr); }
  void ClientSocket1Read() override { Handle("Read", onRead); }
  void ClientSocket1Error(net::ErrorEvent step, int& errorCode) override;

  bool WaitUntil(const std::function<bool()>& done, int timeoutMs = kContractTimeoutMs) {
    return network_.WaitUntil(done, timeoutMs);
  }
  bool WaitForEntries(std::size_t count, int timeoutMs = kContractTimeoutMs) {
    return WaitUntil([this, count] { return log.size() >= count; }, timeoutMs);
  }
  // Lets the loop run for a while, to show that something does NOT happen.
  void RunEventsFor(int ms) {
    WaitUntil([] { return false; }, ms);
  }
  // Connects to 127.0.0.1 and takes the connection as the peer, with a clear log.
  bool Connect();

  std::vector<std::string> log;
  std::function<void()> onConnecting;
  std::function<void()> onRead;
  std::function<void()> onError;

 private:
  void Handle(const std::string& event, const std::function<void()>& hook);

  Network& network_;
};

class SocketContract : public ::testing::TestWithParam<SocketKind> {
 protected:
  std::unique_ptr<Network> network = GetParam().make(true);
  net::ClientSocket& socket = network->Socket();
  Recorder events{*network};
};

}  // namespace ringlook::testing
