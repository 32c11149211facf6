// The socket contract, run against every kind of client socket: see SocketContract.h.
#include "SocketContract.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace ringlook::testing {

using ::testing::ElementsAre;

void Recorder::ClientSocket1Error(net::ErrorEvent step, int& errorCode) {
  Handle("Error " + std::to_string(static_cast<int>(step)) + " " + std::to_string(errorCode), onError);
  errorCode = 0;
}

void Recorder::Handle(const std::string& event, const std::function<void()>& hook) {
  log.push_back(network_.Socket().Active() ? event + " active" : event);
  if (hook) hook();
}

bool Recorder::Connect() {
  log.clear();
  network_.Socket().SetAddress("127.0.0.1");
  network_.Socket().SetActive(true);
  const bool connected = WaitForEntries(2);
  EXPECT_THAT(log, ElementsAre("Connecting", "Connect active"));
  log.clear();
  return connected && network_.Accept();
}

namespace {

// The log entry of an error event with any of codes.
::testing::Matcher<const std::string&> ErrorEntry(net::ErrorEvent step, const std::vector<int>& codes,
                                                  const char* suffix = "") {
  std::vector<std::string> entries;
  for (int code : codes) {
    entries.push_back("Error " + std::to_string(static_cast<int>(step)) + " " + std::to_string(code) + suffix);
  }
  return ::testing::AnyOfArray(entries);
}

TEST_P(SocketContract, ConnectsSendsAndDisconnectsInsideSetActiveFalse) {
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));  // inside the call
  EXPECT_FALSE(socket.Active());
  EXPECT_EQ(socket.SendBytes("NICK^Jan"), 0);
  socket.SetActive(false);  // an attempt under way goes on
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
  ASSERT_TRUE(network->Accept());

  EXPECT_EQ(socket.SendBytes("HISTORY"), 7);
  EXPECT_EQ(network->Received(7), "HISTORY");
  socket.SetActive(true);  // connected: nothing
  EXPECT_EQ(events.log.size(), 2u);

  socket.SetActive(false);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active", "Disconnect"));
  EXPECT_FALSE(socket.Active());
  EXPECT_TRUE(network->EndOfStream());
  char buffer[8];
  EXPECT_EQ(socket.SendBytes("HISTORY"), 0);
  EXPECT_EQ(socket.AvailableBytes(), 0);
  EXPECT_EQ(socket.ReadBytes(buffer, sizeof buffer), 0);
}

TEST_P(SocketContract, RefusedConnectIsAnErrorWithoutDisconnect) {
  const std::unique_ptr<Network> refusing = GetParam().make(false);
  Recorder refused(*refusing);
  refusing->Socket().SetAddress("127.0.0.1");
  refusing->Socket().SetActive(true);
  ASSERT_TRUE(refused.WaitForEntries(2));
  refused.RunEventsFor(100);
  EXPECT_THAT(refused.log, ElementsAre("Connecting", "Error 3 10061"));
  EXPECT_FALSE(refusing->Socket().Active());
}

TEST_P(SocketContract, AConnectThatGetsNoAnswerEndsAtItsDeadline) {
  if (!network->StopAnswering()) GTEST_SKIP() << "this system refuses a connect past the backlog, it never drops one";
  socket.SetAttemptDeadline(500);
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Error 3 10060"));
  EXPECT_FALSE(socket.Active());
}

TEST_P(SocketContract, OrderlyCloseByTheServerEndsTheConnectionAfterItsBytes) {
  ASSERT_TRUE(events.Connect());
  const std::string sent = "UPDATEBELLERS^3";
  std::string received;
  events.onRead = [&] {
    // The close may arrive while the handler waits, as in the settle wait.
    EXPECT_TRUE(events.WaitUntil([&] { return socket.AvailableBytes() >= static_cast<int>(sent.size()); }));
    events.RunEventsFor(100);
    char buffer[64];
    for (int n = socket.AvailableBytes(); n > 0; n = socket.AvailableBytes()) {
      const int got = socket.ReadBytes(buffer, std::min<int>(n, sizeof buffer));
      if (got <= 0) break;
      received.append(buffer, static_cast<std::size_t>(got));
    }
  };
  network->Write(sent);
  network->CloseInOrder();
  ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
  EXPECT_THAT(events.log, ElementsAre("Read active", "Disconnect"));
  EXPECT_EQ(received, sent);
  EXPECT_FALSE(socket.Active());
}

TEST_P(SocketContract, AResetStaysActiveUntilTheHandlerClosesItOrASendFails) {
  ASSERT_TRUE(events.Connect());
  network->Reset();
  ASSERT_TRUE(events.WaitForEntries(1));
  events.RunEventsFor(100);  // a reset is reported once, and closes nothing
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active"));
  EXPECT_TRUE(socket.Active());
  EXPECT_EQ(socket.SendBytes("NICK^Jan"), -1);
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active",
                                      ErrorEntry(net::ErrorEvent::Send, {10053, 10054}, " active"), "Disconnect"));
  EXPECT_FALSE(socket.Active());

  ASSERT_TRUE(events.Connect());
  events.onError = [&] { socket.SetActive(false); };
  network->Reset();
  ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active", "Disconnect"));
}

TEST_P(SocketContract, ReadIsNotRepeatedBeforeReadBytesAndLeftoverBytesRaiseTheNext) {
  ASSERT_TRUE(events.Connect());
  network->Write("abc");
  ASSERT_TRUE(events.WaitForEntries(1));
  // Asking, again and again while the bytes come, does not re-arm.
  network->Write("def");
  ASSERT_TRUE(events.WaitUntil([&] { return socket.AvailableBytes() == 6; }));
  network->Write("ghi");
  ASSERT_TRUE(events.WaitUntil([&] { return socket.AvailableBytes() == 9; }));
  events.RunEventsFor(100);
  EXPECT_THAT(events.log, ElementsAre("Read active"));

  char buffer[16];
  ASSERT_EQ(socket.ReadBytes(buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "abcd");
  ASSERT_TRUE(events.WaitForEntries(2));
  ASSERT_EQ(socket.ReadBytes(buffer, sizeof buffer), 5);
  EXPECT_EQ(std::string(buffer, 5), "efghi");
  EXPECT_EQ(socket.ReadBytes(buffer, sizeof buffer), -1);  // nothing waiting, no error
  events.RunEventsFor(100);
  EXPECT_THAT(events.log, ElementsAre("Read active", "Read active"));
}

TEST_P(SocketContract, ReplacedAndCancelledAttemptsAreNeverHeardFrom) {
  // A lookup; an attempt whose connect fails (its report still to come); an
  // attempt to 127.0.0.2 that its own connecting handler replaces: only the
  // last attempt may be heard from.
  socket.SetHost("localhost");
  socket.SetActive(true);
  socket.SetHost("");
  socket.SetAddress("server.lan");
  socket.SetActive(true);
  socket.SetAddress("127.0.0.2");
  events.onConnecting = [&] {
    events.onConnecting = nullptr;
    socket.SetAddress("127.0.0.1");
    socket.SetActive(true);
  };
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(4)) << ::testing::PrintToString(events.log);
  events.RunEventsFor(300);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connecting", "Connecting", "Connect active"));
  EXPECT_TRUE(network->Accept());
  socket.SetActive(false);

  events.log.clear();
  socket.SetActive(true);
  socket.CancelAttempt();
  // A connection the server took for the cancelled attempt is closed.
  if (network->Accept()) {
    EXPECT_TRUE(network->EndOfStream());
  }
  socket.SetHost("localhost");
  socket.SetActive(true);
  socket.CancelAttempt();
  events.RunEventsFor(300);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));
  EXPECT_FALSE(socket.Active());
  socket.SetHost("");
  EXPECT_TRUE(events.Connect());  // and the socket is usable afterwards
}

TEST_P(SocketContract, HostIsLookedUpFromTheLoopAndTakesPrecedenceOverAddress) {
  for (const char* host : {"localhost", "127.0.0.1"}) {
    SCOPED_TRACE(host);
    events.log.clear();
    socket.SetAddress("127.0.0.2");  // would be refused
    socket.SetHost(host);
    socket.SetActive(true);
    EXPECT_TRUE(events.log.empty());  // OnConnecting waits for the answer
    ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
    EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
    EXPECT_TRUE(network->Accept());
    socket.SetActive(false);
  }
}

TEST_P(SocketContract, AnAddressThatIsNotDottedAndAnUnknownHostFail) {
  socket.SetAddress("server.lan");  // taken as 255.255.255.255
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", ErrorEntry(net::ErrorEvent::Connect, network->UnreachableCodes())));
  EXPECT_FALSE(socket.Active());

  events.log.clear();
  // An empty label: the resolver refuses the name itself, without asking a name
  // server, so no machine's DNS can keep the test waiting.
  socket.SetHost("no-such-host..invalid");
  socket.SetActive(true);
  EXPECT_TRUE(events.log.empty());
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre(ErrorEntry(net::ErrorEvent::Lookup, network->UnknownHostCodes()), "Disconnect"));
}

TEST_P(SocketContract, NoTargetEndsTheAttemptInsideTheCallAndAlsoOneTheHandlerStarted) {
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Error 6 1110", "Disconnect"));

  events.log.clear();
  events.onError = [&] {
    events.onError = nullptr;
    socket.SetAddress("127.0.0.1");
    socket.SetActive(true);
  };
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Error 6 1110", "Connecting", "Disconnect"));
  events.RunEventsFor(200);
  EXPECT_EQ(events.log.size(), 3u);
  EXPECT_FALSE(socket.Active());
}

TEST_P(SocketContract, DestroyingTheSocketClosesItWithoutAnyHandler) {
  ASSERT_TRUE(events.Connect());
  network->DestroySocket();
  // On the memory kind the peer goes with the socket: only the log can tell there.
  if (network->PeerOutlivesTheSocket()) {
    EXPECT_TRUE(network->EndOfStream());
  }
  EXPECT_TRUE(events.log.empty());
}

}  // namespace
}  // namespace ringlook::testing
