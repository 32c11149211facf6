// What the user sees as the link comes and goes: status texts and bevels, the
// silent retries inside the first 60.48 s, the visible failures after them,
// and today's calls asked again after a sleep.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"

namespace ringlook {
namespace {

using testing::MainWindowHarness;
using ui::Bevel;

constexpr std::uint64_t kStartupWindowMs = 60480;

TEST(ConnectionLifecycle, ConnectingConnectedAndHistoryOnly) {
  MainWindowHarness h;
  h.mainControls.StatusBar1.SetPanelText(2, "Error : 10061");
  h.socket.SetAddress("192.168.1.10");
  h.socket.SetActive(true);
  EXPECT_EQ(h.Panel(0), "  Verbinding maken...");
  EXPECT_EQ(h.Panel(2), "      F1 = Help") << "a new attempt clears the last error";
  EXPECT_EQ(h.Bevel0(), Bevel::Lowered);
  h.socket.AcceptConnection();
  EXPECT_EQ(h.Panel(0), "   Verbonden");
  EXPECT_EQ(h.socket.Sent(), std::vector<std::string>{"HISTORY"}) << "HISTORY and nothing else on connect";
}

TEST(ConnectionLifecycle, OrderlyCloseClearsTheListRestoresAndDoesNotRetry) {
  MainWindowHarness h;
  h.loop.RunFor(kStartupWindowMs - 10000);
  h.Connect();
  h.mainControls.ListBox1.Add("a line");
  h.app.Minimize();
  h.socket.CloseByPeer();
  EXPECT_EQ(h.Panel(0), "  Geen verbinding");
  EXPECT_EQ(h.Bevel0(), Bevel::Raised);
  EXPECT_EQ(h.mainControls.ListBox1.Count(), 0);
  EXPECT_FALSE(h.app.Minimized());
  const int attempts = h.socket.Attempts();
  h.loop.RunFor(600000);
  EXPECT_EQ(h.socket.Attempts(), attempts) << "no automatic reconnection, even inside the start-up window";
}

TEST(ConnectionLifecycle, ServerUnreachableAtStartShowsTheFirstLateFailureAndStops) {
  MainWindowHarness h;
  h.socket.SetAddress("192.168.1.10");
  // Every attempt is refused 500 ms after it starts, as long as the test runs.
  std::function<void()> refuseSoon = [&] {
    h.loop.After(500, [&] {
      h.socket.RefuseConnection(net::socket_error::kRefused);
      if (h.socket.CurrentState() == net::MemoryClientSocket::State::Connecting) refuseSoon();
    });
  };
  h.socket.SetActive(true);
  refuseSoon();
  h.loop.RunFor(120000);
  EXPECT_EQ(h.Panel(2), "Error : 10061");
  EXPECT_EQ(h.Panel(0), "  Geen verbinding");
  EXPECT_EQ(h.Bevel0(), Bevel::Raised);
  EXPECT_GE(h.app.Restores(), 1);
  // 2.5 s a round: attempts at 0, 2.5, 5, ... the one refused at or after 60.48 s shows.
  EXPECT_EQ(h.socket.Attempts(), 25);
  EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Idle);
  h.mainControls.StatusBar1.Click();
  EXPECT_EQ(h.socket.Attempts(), 26) << "a click on the status bar tries again";
  EXPECT_EQ(h.Panel(0), "  Verbinding maken...");
  EXPECT_EQ(h.Bevel0(), Bevel::Lowered);
}

// A failure inside the first 60.48 s is retried in silence, or ends without
// its error; one at 60.48 s or later is shown. An ended link empties the list
// and brings the window up.
TEST(ConnectionLifecycle, AFailureIsSilentInsideTheWindowAndShownAfterIt) {
  using Failure = void (*)(net::MemoryClientSocket&);
  const Failure refused = [](net::MemoryClientSocket& s) { s.RefuseConnection(net::socket_error::kRefused); };
  const Failure connectTimedOut = [](net::MemoryClientSocket& s) { s.RefuseConnection(net::socket_error::kTimedOut); };
  const Failure lookupFailed = [](net::MemoryClientSocket& s) { s.FailLookup(net::socket_error::kHostNotFound); };
  const Failure reset = [](net::MemoryClientSocket& s) {
    s.ErrorNotification(net::ErrorEvent::Disconnect, net::socket_error::kReset);
  };
  const Failure linkTimedOut = [](net::MemoryClientSocket& s) {
    s.ErrorNotification(net::ErrorEvent::Disconnect, net::socket_error::kTimedOut);
  };
  const Failure receiveFailed = [](net::MemoryClientSocket& s) { s.FailReceive(net::socket_error::kAborted); };
  enum class Start { Address, Host, Connected, ClickedAfterAClose };
  struct Row {
    const char* name;
    std::uint64_t at;
    Start start;
    Failure fail;
    const char* panel0;
    const char* panel2;
    int attempts;  // two: the handler tried again
    net::MemoryClientSocket::State state;
    bool ended;  // the list empty, the window up, the bevel raised
    bool told;   // the desktop told that the link ended
  };
  constexpr std::uint64_t kLate = kStartupWindowMs;
  using enum net::MemoryClientSocket::State;
  const char* const help = "      F1 = Help";
  const char* const none = "  Geen verbinding";
  const Row rows[] = {
      {"refused", 100, Start::Address, refused, "  Verbinding maken...", help, 2, Connecting, false, false},
      {"connect timed out, inside", kLate - 1, Start::Address, connectTimedOut, "  Verbinding maken...", help, 2,
       Connecting, false, false},
      {"connect timed out, at 60.48 s", kLate, Start::Address, connectTimedOut, none, "Error : 10060", 1, Idle, true,
       false},
      {"lookup failed, inside", 0, Start::Host, lookupFailed, none, help, 2, Idle, true, false},
      {"lookup failed, after", kLate, Start::Host, lookupFailed, none, "Error : 11001", 1, Idle, true, false},
      {"reset, inside", 0, Start::Connected, reset, "   Verbonden", help, 1, Connected, false, false},
      {"reset, after", kLate, Start::Connected, reset, none, "Error : 10054", 1, Idle, true, false},
      {"receive failed, inside", 0, Start::Connected, receiveFailed, none, help, 1, Idle, true, false},
      {"link timed out, inside", 0, Start::Connected, linkTimedOut, none, help, 1, Idle, true, false},
      {"link timed out, after", kLate, Start::Connected, linkTimedOut, none, "Error : 10060", 1, Idle, true, true},
      {"a later attempt refused", kLate + 1000, Start::ClickedAfterAClose, refused, none, "Error : 10061", 2, Idle,
       true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MainWindowHarness h;
    h.loop.RunFor(row.at);
    if (row.start == Start::Connected) {
      h.Connect();
    } else if (row.start == Start::ClickedAfterAClose) {
      h.Connect();
      h.socket.CloseByPeer();
      h.mainControls.StatusBar1.Click();
    } else {
      if (row.start == Start::Host) h.socket.SetHost("server.example");
      if (row.start == Start::Address) h.socket.SetAddress("192.168.1.10");
      h.socket.SetActive(true);
    }
    h.mainControls.ListBox1.Add("a line");
    h.app.Minimize();
    row.fail(h.socket);
    EXPECT_EQ(h.Panel(0), row.panel0);
    EXPECT_EQ(h.Panel(2), row.panel2);
    EXPECT_EQ(h.socket.Attempts(), row.attempts);
    EXPECT_EQ(h.socket.CurrentState(), row.state);
    EXPECT_EQ(h.mainControls.ListBox1.Count() == 0 && !h.app.Minimized() && h.Bevel0() == Bevel::Raised, row.ended);
    EXPECT_EQ(!h.app.Notifications().empty(), row.told);
  }
}

TEST(ConnectionLifecycle, OtherErrorOnAnEstablishedConnectionKeepsItUntilASendFails) {
  MainWindowHarness h;
  h.loop.RunFor(kStartupWindowMs);
  h.Connect();
  h.socket.ErrorNotification(net::ErrorEvent::Receive, net::socket_error::kAborted);
  EXPECT_EQ(h.Panel(2), "Error : 10053");
  EXPECT_EQ(h.Panel(0), "   Verbonden");
  h.setupControls.Edit2.SetText("Jan");
  h.socket.FailNextSend(net::socket_error::kAborted);
  h.loop.RunFor(60000);  // the nickname timer sends, and the send fails
  EXPECT_EQ(h.Panel(0), "  Geen verbinding");
  EXPECT_FALSE(h.socket.Active());
}

// A wake asks for today's calls at once while connected with the search bar
// closed; the platform tells of it, or else Timer3 finds the date-time ran on
// while the tick stood still.
TEST(ConnectionLifecycle, AWakeAsksForTodaysCallsWhenConnectedAndNotSearching) {
  struct Row {
    const char* name;
    bool connected;
    bool searching;
    bool platformTells;
    bool asks;
  };
  const Row rows[] = {
      {"connected", true, false, true, true},
      {"not connected", false, false, true, false},
      {"search bar open", true, true, true, false},
      {"noticed at Timer3", true, false, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MainWindowHarness h;
    h.app.SetReportsWake(row.platformTells);
    if (row.connected) h.Connect();
    if (row.searching) h.mainControls.Panel2.SetVisible(true);
    h.loop.RunFor(30000);
    h.socket.ClearSent();
    h.loop.ClockRef().Sleep(3600000);
    if (row.platformTells) h.app.OnWake();
    h.loop.RunFor(30000);  // Timer3's expiry, which finds the jump only where the platform is silent
    const std::vector<std::string> asked = row.asks ? std::vector<std::string>{"HISTORY"} : std::vector<std::string>{};
    EXPECT_EQ(h.socket.Sent(), asked);
  }
}

TEST(ConnectionLifecycle, NoTargetRetriesNestUntilLateThenShow1110) {
  MainWindowHarness h;
  h.socket.SetActive(true);  // neither Host nor Address
  EXPECT_EQ(h.Panel(2), "Error : 1110");
  EXPECT_EQ(h.Panel(0), "  Geen verbinding");
  EXPECT_GE(h.loop.Tick(), kStartupWindowMs);
  EXPECT_EQ(h.socket.Attempts(), 32) << "one attempt every 2 s, nested, until 60.48 s had passed";
  EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Idle);
}

TEST(ConnectionLifecycle, StatusBarClickWhileConnectedOnlyLowersTheBevel) {
  MainWindowHarness h;
  h.Connect();
  h.mainControls.StatusBar1.SetPanelBevel(0, Bevel::Raised);
  h.mainControls.StatusBar1.Click();
  EXPECT_EQ(h.Bevel0(), Bevel::Lowered);
  EXPECT_EQ(h.socket.Attempts(), 1);
}

}  // namespace
}  // namespace ringlook
