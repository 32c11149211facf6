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

TEST(ConnectionLifecycle, RefusedInsideTheWindowRetriesSilentlyEveryTwoSeconds) {
  MainWindowHarness h;
  h.socket.SetAddress("192.168.1.10");
  h.socket.SetActive(true);
  h.loop.RunFor(100);
  h.socket.RefuseConnection(net::socket_error::kRefused);
  // The handler pauses 2 s inside the error event and then tries again.
  EXPECT_EQ(h.socket.Attempts(), 2);
  EXPECT_EQ(h.loop.Tick(), 2100u);
  EXPECT_EQ(h.Panel(0), "  Verbinding maken...");
  EXPECT_EQ(h.Panel(2), "      F1 = Help");
  EXPECT_EQ(h.app.Restores(), 0);
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

TEST(ConnectionLifecycle, AnErrorAtExactlyTheWindowBoundaryCountsAsLate) {
  for (const std::uint64_t at : {kStartupWindowMs - 1, kStartupWindowMs}) {
    MainWindowHarness h;
    h.loop.RunFor(at);
    h.socket.SetAddress("192.168.1.10");
    h.socket.SetActive(true);
    h.socket.RefuseConnection(net::socket_error::kTimedOut);
    const bool late = at >= kStartupWindowMs;
    EXPECT_EQ(h.Panel(2), late ? "Error : 10060" : "      F1 = Help") << at;
    EXPECT_EQ(h.socket.Attempts(), late ? 1 : 2) << at;
  }
}

TEST(ConnectionLifecycle, ResetOfAnEstablishedConnection) {
  MainWindowHarness inside;
  inside.Connect();
  inside.socket.ErrorNotification(net::ErrorEvent::Disconnect, net::socket_error::kReset);
  EXPECT_EQ(inside.Panel(0), "   Verbonden") << "inside the window a reset leaves the link marked connected";
  EXPECT_TRUE(inside.socket.Active());

  MainWindowHarness late;
  late.loop.RunFor(kStartupWindowMs);
  late.Connect();
  late.mainControls.ListBox1.Add("a line");
  late.socket.ErrorNotification(net::ErrorEvent::Disconnect, net::socket_error::kReset);
  EXPECT_EQ(late.Panel(2), "Error : 10054");
  EXPECT_EQ(late.Panel(0), "  Geen verbinding");
  EXPECT_EQ(late.Bevel0(), Bevel::Raised);
  EXPECT_FALSE(late.socket.Active());
  EXPECT_EQ(late.mainControls.ListBox1.Count(), 0);
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

TEST(ConnectionLifecycle, FailedReceiveInsideTheWindowEndsWithTheDisconnect) {
  MainWindowHarness h;
  h.Connect();
  h.socket.FailReceive(net::socket_error::kAborted);
  EXPECT_EQ(h.Panel(0), "  Geen verbinding");
  EXPECT_EQ(h.Panel(2), "      F1 = Help") << "nothing shown inside the window";
  EXPECT_EQ(h.socket.Attempts(), 1) << "Active was still true during the handler: no new attempt";
}

// A link the system gave up on, its host gone silent: after the window it is
// shown and ends, with the desktop told; inside it, it ends as a failed receive does.
TEST(ConnectionLifecycle, ATimedOutLinkEndsAsAFailedReceive) {
  for (const std::uint64_t at : {std::uint64_t{0}, kStartupWindowMs}) {
    SCOPED_TRACE(at);
    MainWindowHarness h;
    h.loop.RunFor(at);
    h.Connect();
    h.mainControls.ListBox1.Add("a line");
    h.app.Minimize();
    h.socket.ErrorNotification(net::ErrorEvent::Disconnect, net::socket_error::kTimedOut);
    const bool late = at >= kStartupWindowMs;
    EXPECT_EQ(h.Panel(2), late ? "Error : 10060" : "      F1 = Help");
    EXPECT_EQ(h.Panel(0), "  Geen verbinding");
    EXPECT_EQ(h.Bevel0(), Bevel::Raised);
    EXPECT_EQ(h.mainControls.ListBox1.Count(), 0);
    EXPECT_FALSE(h.app.Minimized());
    EXPECT_FALSE(h.socket.Active());
    EXPECT_EQ(h.socket.Attempts(), 1);
    EXPECT_EQ(h.app.Notifications(),
              late ? std::vector<std::string>{"Verbinding met de server verbroken"} : std::vector<std::string>{});
  }
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

TEST(ConnectionLifecycle, AFailedLookupRetriesOnceInsideTheWindowAndShowsTheErrorAfterIt) {
  for (const std::uint64_t at : {std::uint64_t{0}, kStartupWindowMs}) {
    SCOPED_TRACE(at);
    MainWindowHarness h;
    h.loop.RunFor(at);
    h.socket.SetHost("server.example");
    h.socket.SetActive(true);
    h.socket.FailLookup(net::socket_error::kHostNotFound);
    const bool late = at >= kStartupWindowMs;
    // Inside the window the handler starts a retry, which the disconnect after it ends.
    EXPECT_EQ(h.socket.Attempts(), late ? 1 : 2);
    EXPECT_EQ(h.socket.CurrentState(), net::MemoryClientSocket::State::Idle);
    EXPECT_EQ(h.Panel(0), "  Geen verbinding");
    EXPECT_EQ(h.Panel(2), late ? "Error : 11001" : "      F1 = Help");
  }
}

TEST(ConnectionLifecycle, StatusBarClickWhileConnectedOnlyLowersTheBevel) {
  MainWindowHarness h;
  h.Connect();
  h.mainControls.StatusBar1.SetPanelBevel(0, Bevel::Raised);
  h.mainControls.StatusBar1.Click();
  EXPECT_EQ(h.Bevel0(), Bevel::Lowered);
  EXPECT_EQ(h.socket.Attempts(), 1);
}

TEST(ConnectionLifecycle, ALaterAttemptHasNoSilentRetries) {
  MainWindowHarness h;
  h.loop.RunFor(kStartupWindowMs + 1000);
  h.Connect();
  h.socket.CloseByPeer();
  h.mainControls.StatusBar1.Click();
  h.socket.RefuseConnection(net::socket_error::kRefused);
  EXPECT_EQ(h.Panel(2), "Error : 10061");
  EXPECT_EQ(h.socket.Attempts(), 2);
}

}  // namespace
}  // namespace ringlook
