// Contract tests of the Windows Sockets client socket against listeners on
// 127.0.0.1 that accept, refuse, close in order and reset; and the settle wait
// over loopback while a modal window runs its own loop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/Receiver.h"
#include "ui/win32/Win32ClientSocket.h"
#include "ui/win32/Win32Clock.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Timer.h"

namespace ringlook::win32 {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;

constexpr DWORD kTimeoutMs = 10000;

// Wine reports a reset by the peer as an orderly close; Windows reports 10054.
bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

bool Readable(SOCKET socket, DWORD timeoutMs = kTimeoutMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval wait{static_cast<long>(timeoutMs / 1000), static_cast<long>((timeoutMs % 1000) * 1000)};
  return select(0, &set, nullptr, nullptr, &wait) == 1;
}

// The server's side, on plain blocking sockets so each test decides exactly how
// a connection ends. Not listening, its port refuses every attempt.
class Listener {
 public:
  explicit Listener(bool listening = true) {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
    socket_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (::bind(socket_, reinterpret_cast<const sockaddr*>(&address), length) != 0) ADD_FAILURE() << "bind";
    if (listening && ::listen(socket_, 8) != 0) ADD_FAILURE() << "listen";
    getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    for (SOCKET peer : peers_) closesocket(peer);
    closesocket(socket_);
    WSACleanup();
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return port_; }

  SOCKET Accept() {
    if (!Readable(socket_)) return INVALID_SOCKET;
    const SOCKET peer = ::accept(socket_, nullptr, nullptr);
    if (peer != INVALID_SOCKET) peers_.push_back(peer);
    return peer;
  }
  void CloseInOrder(SOCKET peer) { Close(peer); }
  // An abortive close: the client gets a reset instead of an end of stream.
  void Reset(SOCKET peer) {
    const linger abort{1, 0};
    setsockopt(peer, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
    Close(peer);
  }

 private:
  void Close(SOCKET peer) {
    peers_.erase(std::remove(peers_.begin(), peers_.end(), peer), peers_.end());
    closesocket(peer);
  }

  SOCKET socket_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
  std::vector<SOCKET> peers_;
};

void Write(SOCKET peer, const std::string& bytes) {
  ASSERT_EQ(::send(peer, bytes.data(), static_cast<int>(bytes.size()), 0), static_cast<int>(bytes.size()));
}

std::string ReceiveFrom(SOCKET peer, std::size_t count) {
  std::string got;
  char chunk[256];
  while (got.size() < count && Readable(peer)) {
    const int n = ::recv(peer, chunk, static_cast<int>(std::min(sizeof chunk, count - got.size())), 0);
    if (n <= 0) break;
    got.append(chunk, static_cast<std::size_t>(n));
  }
  return got;
}

bool EndOfStream(SOCKET peer) {
  char byte = 0;
  return Readable(peer) && ::recv(peer, &byte, 1, 0) == 0;
}

// Runs the message loop until done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kTimeoutMs) {
  Win32Clock clock;
  const std::uint64_t deadline = clock.TickMs() + timeoutMs;
  while (!done() && clock.TickMs() < deadline) ProcessEventsUntil(clock, std::min(deadline, clock.TickMs() + 50));
  return done();
}

// Lets the loop run for a while, to show that something does NOT happen.
void RunEventsFor(DWORD ms) {
  WaitUntil([] { return false; }, ms);
}

// The window's side: a log of every event, with the Active value the handler
// sees, and a hook per event for the handler's own actions.
class Recorder : public net::ClientSocketEvents {
 public:
  explicit Recorder(net::ClientSocket& socket) : socket_(socket) { socket.SetEvents(this); }

  void ClientSocket1Connecting() override { Handle("Connecting", onConnecting); }
  void ClientSocket1Connect() override { Handle("Connect", nullptr); }
  void ClientSocket1Disconnect() override { Handle("Disconnect", nullptr); }
  void ClientSocket1Read() override { Handle("Read", onRead); }
  void ClientSocket1Error(net::ErrorEvent step, int& errorCode) override {
    Handle("Error " + std::to_string(static_cast<int>(step)) + " " + std::to_string(errorCode), onError);
    errorCode = 0;
  }

  bool WaitForEntries(std::size_t count, DWORD timeoutMs = kTimeoutMs) {
    return WaitUntil([this, count] { return log.size() >= count; }, timeoutMs);
  }

  std::vector<std::string> log;
  std::function<void()> onConnecting;
  std::function<void()> onRead;
  std::function<void()> onError;

 private:
  void Handle(const std::string& event, const std::function<void()>& hook) {
    log.push_back(socket_.Active() ? event + " active" : event);
    if (hook) hook();
  }

  net::ClientSocket& socket_;
};

class Win32ClientSocketTest : public ::testing::Test {
 protected:
  SOCKET Connect() {
    socket.SetAddress("127.0.0.1");
    socket.SetActive(true);
    EXPECT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
    EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
    events.log.clear();
    return server.Accept();
  }

  Listener server;
  Win32ClientSocket socket{server.Port()};
  Recorder events{socket};
};

TEST_F(Win32ClientSocketTest, ConnectsSendsAndDisconnectsInsideSetActiveFalse) {
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));  // inside the call
  EXPECT_FALSE(socket.Active());
  EXPECT_EQ(socket.SendBytes("NICK^Jan"), 0);
  socket.SetActive(false);  // an attempt under way goes on
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
  const SOCKET peer = server.Accept();
  ASSERT_NE(peer, INVALID_SOCKET);

  EXPECT_EQ(socket.SendBytes("HISTORY"), 7);
  EXPECT_EQ(ReceiveFrom(peer, 7), "HISTORY");
  socket.SetActive(true);  // connected: nothing
  EXPECT_EQ(events.log.size(), 2u);

  socket.SetActive(false);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active", "Disconnect"));
  EXPECT_TRUE(EndOfStream(peer));
  char buffer[8];
  EXPECT_EQ(socket.SendBytes("HISTORY"), 0);
  EXPECT_EQ(socket.AvailableBytes(), 0);
  EXPECT_EQ(socket.ReadBytes(buffer, sizeof buffer), 0);
}

TEST(Win32ClientSocket, RefusedConnectIsAnErrorWithoutDisconnect) {
  Listener refusing(false);
  Win32ClientSocket socket(refusing.Port());
  Recorder events(socket);
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2));
  RunEventsFor(100);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Error 3 10061"));
  EXPECT_FALSE(socket.Active());
}

TEST_F(Win32ClientSocketTest, OrderlyCloseByTheServerEndsTheConnectionAfterItsBytes) {
  const SOCKET peer = Connect();
  ASSERT_NE(peer, INVALID_SOCKET);
  std::string received;
  events.onRead = [&] {
    RunEventsFor(100);  // the close arrives while the handler waits, as in the settle wait
    char buffer[64];
    for (int n = socket.AvailableBytes(); n > 0; n = socket.AvailableBytes()) {
      const int got = socket.ReadBytes(buffer, std::min<int>(n, sizeof buffer));
      if (got <= 0) break;
      received.append(buffer, static_cast<std::size_t>(got));
    }
  };
  Write(peer, "UPDATEBELLERS^3");
  server.CloseInOrder(peer);
  ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
  EXPECT_THAT(events.log, ElementsAre("Read active", "Disconnect"));
  EXPECT_EQ(received, "UPDATEBELLERS^3");
  EXPECT_FALSE(socket.Active());
}

TEST_F(Win32ClientSocketTest, ResetStaysActiveUntilTheHandlerClosesIt) {
  if (UnderWine()) GTEST_SKIP() << "wine reports a reset by the peer as an orderly close (FD_CLOSE with error 0)";
  const SOCKET peer = Connect();
  ASSERT_NE(peer, INVALID_SOCKET);
  server.Reset(peer);
  ASSERT_TRUE(events.WaitForEntries(1)) << ::testing::PrintToString(events.log);
  RunEventsFor(100);  // a reset is reported once, and closes nothing
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active"));
  EXPECT_TRUE(socket.Active());
  socket.SetActive(false);
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active", "Disconnect"));
}

TEST_F(Win32ClientSocketTest, ReadIsNotRepeatedBeforeReadBytesAndLeftoverBytesRaiseTheNext) {
  const SOCKET peer = Connect();
  ASSERT_NE(peer, INVALID_SOCKET);
  Write(peer, "abc");
  ASSERT_TRUE(events.WaitForEntries(1));
  Write(peer, "def");
  RunEventsFor(100);
  EXPECT_EQ(socket.AvailableBytes(), 6);  // asking does not re-arm
  Write(peer, "ghi");
  RunEventsFor(100);
  EXPECT_THAT(events.log, ElementsAre("Read active"));

  char buffer[16];
  ASSERT_EQ(socket.ReadBytes(buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "abcd");
  ASSERT_TRUE(events.WaitForEntries(2));
  ASSERT_EQ(socket.ReadBytes(buffer, sizeof buffer), 5);
  EXPECT_EQ(std::string(buffer, 5), "efghi");
  EXPECT_EQ(socket.ReadBytes(buffer, sizeof buffer), -1);  // nothing waiting, no error
  RunEventsFor(100);
  EXPECT_THAT(events.log, ElementsAre("Read active", "Read active"));
}

TEST_F(Win32ClientSocketTest, ReplacedAndCancelledAttemptsAreNeverHeardFrom) {
  socket.SetHost("localhost");
  socket.SetActive(true);
  socket.SetHost("");
  socket.SetAddress("127.0.0.2");
  events.onConnecting = [&] {
    events.onConnecting = nullptr;
    socket.SetAddress("127.0.0.1");
    socket.SetActive(true);
  };
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(3)) << ::testing::PrintToString(events.log);
  RunEventsFor(300);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connecting", "Connect active"));
  EXPECT_NE(server.Accept(), INVALID_SOCKET);
  socket.SetActive(false);

  events.log.clear();
  socket.SetActive(true);
  socket.CancelAttempt();
  socket.SetHost("localhost");
  socket.SetActive(true);
  socket.CancelAttempt();
  RunEventsFor(300);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));
  EXPECT_FALSE(socket.Active());
}

TEST_F(Win32ClientSocketTest, HostIsLookedUpFromTheLoopAndTakesPrecedenceOverAddress) {
  for (const char* host : {"localhost", "127.0.0.1"}) {
    SCOPED_TRACE(host);
    events.log.clear();
    socket.SetAddress("127.0.0.2");
    socket.SetHost(host);
    socket.SetActive(true);
    EXPECT_TRUE(events.log.empty());  // OnConnecting waits for the answer
    ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
    EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
    EXPECT_NE(server.Accept(), INVALID_SOCKET);
    socket.SetActive(false);
  }
}

TEST_F(Win32ClientSocketTest, NoTargetEndsTheAttemptInsideTheCallAndAlsoOneTheHandlerStarted) {
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
  RunEventsFor(200);
  EXPECT_EQ(events.log.size(), 3u);
  EXPECT_FALSE(socket.Active());
}

TEST_F(Win32ClientSocketTest, AnAddressThatIsNotDottedAndAnUnknownHostFail) {
  socket.SetAddress("server.lan");  // taken as 255.255.255.255
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", AnyOf("Error 3 10049", "Error 3 10051", "Error 3 10065")));

  events.log.clear();
  socket.SetHost("no-such-host.invalid");
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2, 30000));
  EXPECT_THAT(events.log, ElementsAre(AnyOf("Error 6 11001", "Error 6 11002"), "Disconnect"));
}

TEST(Win32ClientSocket, DestroyingTheSocketClosesItWithoutAnyHandler) {
  Listener server;
  auto socket = std::make_unique<Win32ClientSocket>(server.Port());
  Recorder events(*socket);
  socket->SetAddress("127.0.0.1");
  socket->SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2));
  const SOCKET peer = server.Accept();
  ASSERT_NE(peer, INVALID_SOCKET);
  socket.reset();
  EXPECT_TRUE(EndOfStream(peer));
  EXPECT_EQ(events.log.size(), 2u);
}

// A modal window opened while a text is still arriving: that text, and each one
// after it, is handed on inside the window's own loop, on its own.
TEST_F(Win32ClientSocketTest, AModalWindowOpenedDuringTheSettleWaitGetsEveryText) {
  const SOCKET peer = Connect();
  ASSERT_NE(peer, INVALID_SOCKET);
  Win32Clock clock;
  Win32Timer settle(net::kSettleMs, false);
  Win32Form dialog(nullptr, "FormEdit", "Wijzigen", WS_POPUP | WS_CAPTION, 0, 120, 60);
  std::vector<std::string> texts;
  std::size_t handedOnOutside = 0;
  net::Receiver receiver(socket, settle, clock, [&](std::string_view text) {
    texts.emplace_back(text);
    if (!dialog.Visible()) ++handedOnOutside;
  });
  events.onRead = [&] { receiver.Read(); };
  const std::string trickle = "UPDATEBELLERS^" + std::string(20, '7');
  const std::string reply = "REPLYGET^0123^Ann^bel terug^2^";
  const std::string call = "NIEUW^Bob^0^^0456^3^";
  // One byte every 30 ms, then the reply and a call well apart, then the user closes.
  int tick = 0;
  Win32Timer script(30);
  script.OnTimer = [&] {
    const int at = tick++;
    if (at == 0) Write(peer, trickle.substr(0, 14));
    if (at >= 1 && at <= 20) Write(peer, "7");
    if (at == 40) Write(peer, reply);
    if (at == 55) Write(peer, call);
    if (at == 70) dialog.Close(ui::ModalResult::Cancel);
  };
  Win32Timer opener(100);
  opener.OnTimer = [&] {
    opener.SetEnabled(false);
    dialog.ShowModal();
  };
  ASSERT_TRUE(WaitUntil([&] { return tick > 70 && !dialog.Visible(); }));
  std::string joined;
  for (const std::string& text : texts) joined += text;
  EXPECT_EQ(joined, trickle + reply + call);
  EXPECT_EQ(handedOnOutside, 0u);
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[texts.size() - 2], reply);
  EXPECT_EQ(texts.back(), call);
}

}  // namespace
}  // namespace ringlook::win32
