// The socket contract on the in-memory socket, its network played from the
// manual event loop; the rules of the target: changes refused while connected,
// the dotted-address reading.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ErrorOf.h"
#include "SocketContract.h"
#include "memory/MemoryClientSocket.h"

namespace ringlook::net {
namespace {

using State = MemoryClientSocket::State;

// Answers each step the socket waits for at the next pass of the loop, as a
// network with a server at 127.0.0.1 would.
class MemoryNetwork final : public testing::Network {
 public:
  explicit MemoryNetwork(bool listening) : listening_(listening) {}

  ClientSocket& Socket() override { return *socket_; }
  MemoryClientSocket& Memory() { return *socket_; }
  void DestroySocket() override { socket_.reset(); }
  bool WaitUntil(const std::function<bool()>& done, int timeoutMs) override {
    const std::uint64_t deadline = loop_.Tick() + static_cast<std::uint64_t>(timeoutMs);
    while (!done() && loop_.Tick() < deadline) {
      Answer();
      loop_.ProcessEvents(loop_.Tick() + 1);
    }
    return done();
  }
  bool Accept() override {
    peer_ = socket_->Active() ? socket_->Attempts() : 0;
    return peer_ != 0;
  }
  // The peer's bytes and closes come from the loop; Receive, CloseByPeer and the
  // error notification ignore a connection that is gone.
  void Write(const std::string& bytes) override {
    loop_.Post([this, bytes] { socket_->Receive(bytes); });
  }
  std::string Received(std::size_t count) override {
    std::string sent;
    for (const std::string& bytes : socket_->Sent()) sent += bytes;
    socket_->ClearSent();
    return sent.substr(0, count);
  }
  bool EndOfStream() override { return !socket_ || !socket_->Active() || socket_->Attempts() != peer_; }
  void CloseInOrder() override {
    loop_.Post([this] { socket_->CloseByPeer(); });
  }
  void Reset() override {
    loop_.Post([this] {
      socket_->FailNextSend(socket_error::kReset);
      socket_->ErrorNotification(ErrorEvent::Disconnect, socket_error::kReset);
    });
  }
  bool StopAnswering() override {
    answering_ = false;
    return true;
  }

 private:
  void Answer() {
    if (!socket_ || !answering_) return;
    const std::string& target = socket_->AttemptTarget();
    if (socket_->CurrentState() == State::Resolving) {
      if (target == "localhost") {
        socket_->ResolveLookup("127.0.0.1");
      } else if (DottedAddress(target) != 0xFFFFFFFFu) {
        socket_->ResolveLookup(target);
      } else {
        socket_->FailLookup(socket_error::kHostNotFound);
      }
    } else if (socket_->CurrentState() == State::Connecting) {
      if (target == "255.255.255.255") {
        socket_->RefuseConnection(socket_error::kNetUnreachable);
      } else if (listening_ && target == "127.0.0.1") {
        socket_->AcceptConnection();
      } else {
        socket_->RefuseConnection(socket_error::kRefused);
      }
    }
  }

  ui::ManualEventLoop loop_;
  std::unique_ptr<MemoryClientSocket> socket_ = std::make_unique<MemoryClientSocket>(loop_);
  const bool listening_;
  bool answering_ = true;
  int peer_ = 0;
};

using testing::SocketContract;
INSTANTIATE_TEST_SUITE_P(Memory, SocketContract,
                         ::testing::Values(testing::SocketKind{
                             "Memory", [](bool listening) { return std::make_unique<MemoryNetwork>(listening); }}));

// A lookup that never answers ends at the attempt's deadline, as a failed lookup does.
TEST(ClientSocketDeadline, ALookupThatGetsNoAnswerEndsAtTheDeadlineAsAFailedLookup) {
  MemoryNetwork network(true);
  testing::Recorder events(network);
  network.StopAnswering();
  network.Socket().SetHost("server.lan");
  network.Socket().SetActive(true);
  events.RunEventsFor(kAttemptDeadlineMs - 1);
  EXPECT_TRUE(events.log.empty());
  ASSERT_TRUE(events.WaitForEntries(2, 2));
  EXPECT_THAT(events.log, ::testing::ElementsAre("Error 6 10060", "Disconnect"));
}

// A report that names an attempt since replaced (its lookup's answer, its
// connect) comes late and changes nothing: the current attempt goes on.
TEST(ClientSocketAttempts, AReportOfAReplacedAttemptChangesNothing) {
  struct Row {
    const char* name;
    bool replacedWhileConnecting;
    std::function<void(MemoryClientSocket&, int stale)> report;
  };
  const Row rows[] = {
      {"looked up", false, [](MemoryClientSocket& s, int stale) { s.ResolveLookup("127.0.0.1", stale); }},
      {"lookup failed", false, [](MemoryClientSocket& s, int stale) { s.FailLookup(11001, stale); }},
      {"connected", true, [](MemoryClientSocket& s, int stale) { s.AcceptConnection(stale); }},
      {"connect refused", true, [](MemoryClientSocket& s, int stale) { s.RefuseConnection(10061, stale); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryNetwork network(true);
    testing::Recorder events(network);
    network.StopAnswering();
    MemoryClientSocket& socket = network.Memory();
    socket.SetHost("server.lan");
    socket.SetActive(true);
    if (row.replacedWhileConnecting) socket.ResolveLookup("127.0.0.1");
    const int stale = socket.Attempts();
    socket.SetActive(true);
    // The current attempt at the same step, so only the attempt's number tells them apart.
    if (row.replacedWhileConnecting) socket.ResolveLookup("127.0.0.1");
    const State current = socket.CurrentState();
    const std::size_t logged = events.log.size();
    row.report(socket, stale);
    EXPECT_EQ(socket.CurrentState(), current);
    EXPECT_EQ(events.log.size(), logged) << ::testing::PrintToString(events.log);
    socket.ResolveLookup("127.0.0.1");
    socket.AcceptConnection();
    EXPECT_TRUE(socket.Active()) << "the current attempt still connects";
  }
}

// While connected the target stays as it is: a change of letter case only is
// passed over, any other is refused.
TEST(ClientSocketTarget, CannotChangeWhileConnectedSaveInLetterCase) {
  constexpr const char* kRefused = "Can't change value while socket is active";
  struct Row {
    bool host;
    const char* to;
    const char* error;
  };
  const Row rows[] = {
      {true, "Server.LAN", "(no error)"},
      {true, "SERVER.lan", "(no error)"},
      {true, "other.lan", kRefused},
      {true, "", kRefused},
      {false, "10.0.0.1", "(no error)"},
      {false, "10.0.0.2", kRefused},
      {false, "", kRefused},
  };
  ui::ManualEventLoop loop;
  MemoryClientSocket socket(loop);
  socket.SetHost("Server.LAN");
  socket.SetAddress("10.0.0.1");
  socket.SetActive(true);
  socket.ResolveLookup("10.0.0.1");
  socket.AcceptConnection();
  ASSERT_TRUE(socket.Active());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.to);
    EXPECT_EQ(testing::ErrorOf([&] { row.host ? socket.SetHost(row.to) : socket.SetAddress(row.to); }), row.error);
    EXPECT_EQ(socket.Host(), "Server.LAN");
    EXPECT_EQ(socket.Address(), "10.0.0.1");
  }
}

TEST(ClientSocketTarget, DottedAddressReadsFourDecimalPartsOrGivesAllOnes) {
  const std::pair<const char*, std::uint32_t> rows[] = {
      {"1.2.3.4", 0x01020304u},
      {"255.255.255.255", 0xFFFFFFFFu},
      {"0.0.0.0", 0u},
      {"192.168.1.10", 0xC0A8010Au},
      {"1.2.3", 0xFFFFFFFFu},
      {"1.2.3.4.5", 0xFFFFFFFFu},
      {"256.1.1.1", 0xFFFFFFFFu},
      {"1.2.3.256", 0xFFFFFFFFu},
      {"01.2.3.4", 0x01020304u},
      {"1..2.3", 0xFFFFFFFFu},
      {" 1.2.3.4", 0xFFFFFFFFu},
      {"1.2.3.4 ", 0xFFFFFFFFu},
      {"1.2.3.", 0xFFFFFFFFu},
      {"a.b.c.d", 0xFFFFFFFFu},
      {"1000.2.3.4", 0xFFFFFFFFu},
      {"", 0xFFFFFFFFu},
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(DottedAddress(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace ringlook::net
