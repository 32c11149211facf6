// Contract tests of the real client socket against listeners on 127.0.0.1 that
// accept, refuse, close in order and reset; and a stream read whole over loopback.
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackListener.h"
#include "ResidentMemory.h"
#include "net/Receiver.h"
#include "ui/qt/QtClientSocket.h"
#include "ui/qt/QtClock.h"
#include "ui/qt/QtTimer.h"

namespace ringlook::qt {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;

constexpr int kTimeoutMs = testing::kLoopbackTimeoutMs;
using testing::Listener;
using testing::Readable;

void Write(int peer, const std::string& bytes) {
  ASSERT_EQ(::send(peer, bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size()));
}

// Up to count bytes from the client, less when it closes or goes quiet.
std::string ReceiveFrom(int peer, std::size_t count) {
  std::string got;
  char chunk[256];
  while (got.size() < count && Readable(peer)) {
    const ssize_t n = ::recv(peer, chunk, std::min(sizeof chunk, count - got.size()), 0);
    if (n <= 0) break;
    got.append(chunk, static_cast<std::size_t>(n));
  }
  return got;
}

bool EndOfStream(int peer) {
  char byte = 0;
  return Readable(peer) && ::recv(peer, &byte, 1, 0) == 0;
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

  // Runs the event loop until done() holds or the time is up.
  bool WaitUntil(const std::function<bool()>& done, int timeoutMs = kTimeoutMs) {
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    waiting_ = &loop;
    while (!done() && timeout.isActive()) loop.exec();
    waiting_ = nullptr;
    return done();
  }
  bool WaitForEntries(std::size_t count, int timeoutMs = kTimeoutMs) {
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
    if (waiting_ != nullptr) waiting_->quit();
  }

  net::ClientSocket& socket_;
  QEventLoop* waiting_ = nullptr;
};

// Lets the loop run for a while, to show that something does NOT happen.
void RunEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class QtClientSocketTest : public ::testing::Test {
 protected:
  // Connects to the listener and returns the server's end of the connection.
  int Connect() {
    socket.SetAddress("127.0.0.1");
    socket.SetActive(true);
    EXPECT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
    EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
    events.log.clear();
    return server.Accept();
  }

  Listener server;
  QtClientSocket socket{server.Port()};
  Recorder events{socket};
};

TEST_F(QtClientSocketTest, ConnectsSendsAndDisconnectsInsideSetActiveFalse) {
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));  // inside the call
  EXPECT_FALSE(socket.Active());
  EXPECT_EQ(socket.SendBytes("NICK^Jan"), 0);
  // Setting it false while the attempt is under way leaves it running.
  socket.SetActive(false);
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
  const int peer = server.Accept();
  ASSERT_GE(peer, 0);

  EXPECT_EQ(socket.SendBytes("HISTORY"), 7);
  EXPECT_EQ(ReceiveFrom(peer, 7), "HISTORY");
  socket.SetActive(true);  // connected: nothing
  EXPECT_EQ(events.log.size(), 2u);

  socket.SetActive(false);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active", "Disconnect"));
  EXPECT_FALSE(socket.Active());
  EXPECT_TRUE(EndOfStream(peer));
  char buffer[8];
  EXPECT_EQ(socket.SendBytes("HISTORY"), 0);
  EXPECT_EQ(socket.AvailableBytes(), 0);
  EXPECT_EQ(socket.ReadBytes(buffer, sizeof buffer), 0);
}

TEST(QtClientSocket, RefusedConnectIsAnErrorWithoutDisconnect) {
  Listener refusing(false);
  QtClientSocket socket(refusing.Port());
  Recorder events(socket);
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Error 3 10061"));
  EXPECT_FALSE(socket.Active());
}

TEST_F(QtClientSocketTest, OrderlyCloseByTheServerEndsTheConnectionAfterItsBytes) {
  const int peer = Connect();
  ASSERT_GE(peer, 0);
  std::string received;
  events.onRead = [&] {
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

TEST_F(QtClientSocketTest, ResetStaysActiveUntilTheHandlerClosesIt) {
  const int peer = Connect();
  ASSERT_GE(peer, 0);
  events.onError = [&] { socket.SetActive(false); };
  server.Reset(peer);
  ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active", "Disconnect"));
  EXPECT_FALSE(socket.Active());
}

TEST_F(QtClientSocketTest, AfterAResetLeftOpenAFailedSendClosesTheConnection) {
  const int peer = Connect();
  ASSERT_GE(peer, 0);
  server.Reset(peer);
  ASSERT_TRUE(events.WaitForEntries(1));
  RunEventsFor(100);  // a reset is reported once, and closes nothing
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active"));
  EXPECT_TRUE(socket.Active());

  EXPECT_EQ(socket.SendBytes("NICK^Jan"), -1);
  EXPECT_THAT(events.log, ElementsAre("Error 4 10054 active", MatchesRegex("Error 1 1005[34] active"), "Disconnect"));
  EXPECT_FALSE(socket.Active());
}

TEST_F(QtClientSocketTest, ReadIsNotRepeatedBeforeReadBytesAndLeftoverBytesRaiseTheNext) {
  const int peer = Connect();
  ASSERT_GE(peer, 0);
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

TEST_F(QtClientSocketTest, ReplacedAttemptsAreIgnored) {
  // A lookup; an attempt whose connect fails at once (its report still queued);
  // an attempt to 127.0.0.2, where nothing listens, that its own connecting
  // handler replaces: only the last attempt may be heard from.
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
  RunEventsFor(300);
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Connecting", "Connecting", "Connect active"));
}

TEST_F(QtClientSocketTest, ACancelledAttemptIsNeverHeardFromAgain) {
  socket.SetAddress("127.0.0.1");
  socket.SetActive(true);
  socket.CancelAttempt();
  socket.SetHost("localhost");
  socket.SetActive(true);
  socket.CancelAttempt();
  RunEventsFor(300);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));
  EXPECT_FALSE(socket.Active());
  events.log.clear();
  socket.SetHost("");
  EXPECT_GE(Connect(), 0);  // and the socket is usable afterwards
}

TEST_F(QtClientSocketTest, HostIsLookedUpFromTheLoopAndTakesPrecedenceOverAddress) {
  for (const char* host : {"localhost", "127.0.0.1"}) {
    SCOPED_TRACE(host);
    events.log.clear();
    socket.SetAddress("127.0.0.2");  // would be refused
    socket.SetHost(host);
    socket.SetActive(true);
    EXPECT_TRUE(events.log.empty());  // OnConnecting waits for the answer
    ASSERT_TRUE(events.WaitForEntries(2)) << ::testing::PrintToString(events.log);
    EXPECT_THAT(events.log, ElementsAre("Connecting", "Connect active"));
    EXPECT_GE(server.Accept(), 0);
    socket.SetActive(false);
  }
}

TEST_F(QtClientSocketTest, AnAddressThatIsNotDottedFails) {
  socket.SetAddress("server.lan");  // taken as 255.255.255.255
  socket.SetActive(true);
  EXPECT_THAT(events.log, ElementsAre("Connecting"));
  ASSERT_TRUE(events.WaitForEntries(2));
  EXPECT_THAT(events.log, ElementsAre("Connecting", "Error 3 10051"));
  EXPECT_FALSE(socket.Active());
}

TEST_F(QtClientSocketTest, NoTargetEndsTheAttemptInsideTheCallAndAlsoOneTheHandlerStarted) {
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

TEST_F(QtClientSocketTest, FailedLookupIsReportedThenEndsTheAttempt) {
  socket.SetHost("no-such-host.invalid");
  socket.SetActive(true);
  EXPECT_TRUE(events.log.empty());
  ASSERT_TRUE(events.WaitForEntries(2, 30000));
  EXPECT_THAT(events.log, ElementsAre("Error 6 11001", "Disconnect"));
}

TEST(QtClientSocket, DestroyingTheSocketClosesItWithoutAnyHandler) {
  Listener server;
  auto socket = std::make_unique<QtClientSocket>(server.Port());
  Recorder events(*socket);
  socket->SetAddress("127.0.0.1");
  socket->SetActive(true);
  ASSERT_TRUE(events.WaitForEntries(2));
  const int peer = server.Accept();
  ASSERT_GE(peer, 0);
  socket.reset();
  EXPECT_TRUE(EndOfStream(peer));
  EXPECT_EQ(events.log.size(), 2u);
}

// The link's log lines while a test runs; switching the log on as --verbose does.
class LinkLogLines {
 public:
  LinkLogLines() {
    lines_ = &lines;
    former_ = qInstallMessageHandler(Capture);
  }
  ~LinkLogLines() {
    qInstallMessageHandler(former_);
    lines_ = nullptr;
    QLoggingCategory::setFilterRules({});
  }
  LinkLogLines(const LinkLogLines&) = delete;
  LinkLogLines& operator=(const LinkLogLines&) = delete;

  static void SwitchOn() { QLoggingCategory::setFilterRules(QStringLiteral("ringlook.*.debug=true")); }

  std::vector<std::string> lines;

 private:
  static void Capture(QtMsgType /*type*/, const QMessageLogContext& context, const QString& message) {
    if (lines_ != nullptr && context.category != nullptr && std::string_view(context.category) == "ringlook.link") {
      lines_->push_back(message.toStdString());
    }
  }
  static inline std::vector<std::string>* lines_ = nullptr;
  QtMessageHandler former_ = nullptr;
};

TEST_F(QtClientSocketTest, TheLinkLogIsSilentUntilSwitchedOnAndThenTellsEveryStepAndText) {
  LinkLogLines log;
  int peer = Connect();
  ASSERT_GE(peer, 0);
  socket.SetActive(false);
  EXPECT_TRUE(log.lines.empty()) << ::testing::PrintToString(log.lines);
  events.log.clear();

  LinkLogLines::SwitchOn();
  peer = Connect();
  ASSERT_GE(peer, 0);
  events.onRead = [&] {
    char buffer[64];
    while (socket.AvailableBytes() > 0 && socket.ReadBytes(buffer, sizeof buffer) > 0) {
    }
  };
  EXPECT_EQ(socket.SendBytes("NICK^Jos\xe9"), 9);
  Write(peer, "MSG^Ann^a\\b\x01\x81");
  ASSERT_TRUE(events.WaitForEntries(1));
  EXPECT_EQ(ReceiveFrom(peer, 9), "NICK^Jos\xe9");
  server.CloseInOrder(peer);
  ASSERT_TRUE(events.WaitForEntries(2));

  Listener refusing(false);
  QtClientSocket refused(refusing.Port());
  Recorder refusedEvents(refused);
  refused.SetAddress("127.0.0.1");
  refused.SetActive(true);
  ASSERT_TRUE(refusedEvents.WaitForEntries(2));

  const std::string port = std::to_string(server.Port());
  const std::string refusedPort = std::to_string(refusing.Port());
  EXPECT_THAT(log.lines, ElementsAre("poging 2 naar 127.0.0.1:" + port, "verbinden met 127.0.0.1:" + port, "verbonden",
                                     "verstuurd (9 van 9 bytes): NICK^Jos\xc3\xa9",
                                     "ontvangen (13 bytes): MSG^Ann^a\\\\b\\x01\\x81", "de server sloot de verbinding",
                                     "poging 1 naar 127.0.0.1:" + refusedPort, "verbinden met 127.0.0.1:" + refusedPort,
                                     "fout 10061 bij verbinden: Connection refused"));
}

// Byte k of the never-pausing stream is k % 251, so every byte's place is known.
char StreamByte(std::size_t offset) { return static_cast<char>(offset % 251); }

// A server that writes as fast as the client takes it, with no pause at all: the
// client hands on texts of at most kMaxMessageBytes, loses no byte, and holds no
// more than a few texts' worth of memory, however long the stream.
TEST_F(QtClientSocketTest, ANeverPausingStreamComesInBoundedTextsInFull) {
  constexpr std::size_t kStreamBytes = 4 * net::kMaxMessageBytes;
  // One text being collected, the test's copy of it, and the string's spare room.
  constexpr std::size_t kMemoryBound = 4 * net::kMaxMessageBytes;
  const int peer = Connect();
  ASSERT_GE(peer, 0);
  std::thread writer([peer] {
    std::string block(251 * 4096, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = StreamByte(i);
    for (std::size_t sent = 0; sent < kStreamBytes;) {
      const std::size_t at = sent % block.size();
      const ssize_t n = ::send(peer, block.data() + at, std::min(block.size() - at, kStreamBytes - sent), MSG_NOSIGNAL);
      if (n <= 0) return;
      sent += static_cast<std::size_t>(n);
    }
    ::shutdown(peer, SHUT_WR);
  });
  std::size_t received = 0;
  std::size_t largest = 0;
  int texts = 0;
  bool inOrder = true;
  testing::ResetPeakResident();
  const std::size_t residentBefore = testing::PeakResidentBytes();
  QtClock clock;
  QtTimer settle(net::kSettleMs, false);
  net::Receiver receiver(socket, settle, clock, [&](std::string_view text) {
    for (std::size_t i = 0; i < text.size() && inOrder; ++i) inOrder = text[i] == StreamByte(received + i);
    received += text.size();
    largest = std::max(largest, text.size());
    ++texts;
  });
  events.onRead = [&] { receiver.Read(); };
  const bool complete = events.WaitUntil([&] { return received >= kStreamBytes; }, 120000);
  const std::size_t residentGrowth = testing::PeakResidentBytes() - residentBefore;
  writer.join();
  RecordProperty("peak_memory_growth_bytes", std::to_string(residentGrowth));
  RecordProperty("texts", texts);
  ASSERT_TRUE(complete) << received << " of " << kStreamBytes << " bytes";
  EXPECT_EQ(received, kStreamBytes);
  EXPECT_TRUE(inOrder);
  EXPECT_LE(largest, net::kMaxMessageBytes);
  EXPECT_GE(texts, 4);
  if (testing::kPeakMemoryTellsUse) {
    EXPECT_LT(residentGrowth, kMemoryBound) << "peak growth " << residentGrowth << " bytes";
  }
}

}  // namespace
}  // namespace ringlook::qt
