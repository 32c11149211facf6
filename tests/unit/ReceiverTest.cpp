// The settle wait on the manual clock: a burst ended by 120 ms of silence is one
// message, whatever the loop does meanwhile, a modal showing included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory/ManualEventLoop.h"
#include "memory/MemoryClientSocket.h"
#include "net/Receiver.h"

namespace ringlook::net {
namespace {

// Records the texts the settle wait hands over, as the dispatch will receive them.
class ReceivingWindow : public ClientSocketEvents {
 public:
  ReceivingWindow() {
    socket.SetEvents(this);
    socket.SetAddress("127.0.0.1");
    socket.SetActive(true);
    socket.AcceptConnection();
  }
  void ClientSocket1Connecting() override {}
  void ClientSocket1Connect() override {}
  void ClientSocket1Disconnect() override { receiver.Drop(); }
  void ClientSocket1Error(ErrorEvent, int& code) override { code = 0; }
  void ClientSocket1Read() override {
    ++reads;
    receiver.Read();
  }

  ui::ManualEventLoop loop;
  MemoryClientSocket socket{loop};
  ui::ManualTimer settle{loop, 1, false};
  std::vector<std::string> texts;
  std::vector<std::uint64_t> handedOverAt;
  // Runs inside the hand-over of each text, as a dispatch that shows a modal window.
  std::function<void(const std::string&)> onText;
  Receiver receiver{socket, settle, loop.ClockRef(), [this](std::string_view text) {
                      texts.emplace_back(text);
                      handedOverAt.push_back(loop.Tick());
                      if (onText) onText(std::string(text));
                    }};
  int reads = 0;
};

TEST(SettleWait, BurstsAreTextsByTheQuietBetweenThem) {
  struct Case {
    const char* name;
    std::uint64_t secondAt;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"100 ms apart: one text", 1100, {"UPDATEBELLERS^17NIEUW^Jan^0^^0612^18^"}},
      {"119 ms apart: one text", 1119, {"UPDATEBELLERS^17NIEUW^Jan^0^^0612^18^"}},
      {"130 ms apart: two texts", 1130, {"UPDATEBELLERS^17", "NIEUW^Jan^0^^0612^18^"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReceivingWindow w;
    w.loop.At(1000, [&] { w.socket.Receive("UPDATEBELLERS^17"); });
    w.loop.At(c.secondAt, [&] { w.socket.Receive("NIEUW^Jan^0^^0612^18^"); });
    w.loop.RunFor(5000);
    EXPECT_EQ(w.texts, c.texts);
  }
}

TEST(SettleWait, AStreamIsHeldUntilItPausesAndTheWaitLastsAtLeast120Ms) {
  ReceivingWindow w;
  for (int i = 0; i < 10; ++i) {
    w.loop.At(1000 + static_cast<std::uint64_t>(i) * 100, [&w, i] { w.socket.Receive(std::to_string(i)); });
  }
  w.loop.RunFor(5000);
  ASSERT_EQ(w.texts.size(), 1u);
  EXPECT_EQ(w.texts[0], "0123456789");
  // The last byte came at 1900; the text waits for a whole quiet period after it.
  EXPECT_EQ(w.handedOverAt[0], 2020u);
}

// A window the user opens while a text is arriving runs its own loop: the text
// is handed on inside it, and so is every later one, each on its own.
TEST(SettleWait, AModalShowingOpenedDuringTheWaitGetsEveryTextOnItsOwn) {
  ReceivingWindow w;
  for (int i = 0; i < 30; ++i) {
    w.loop.At(1000 + static_cast<std::uint64_t>(i) * 80, [&w] { w.socket.Receive("7"); });
  }
  std::vector<std::string> insideTheShowing;
  w.loop.At(1600, [&] {
    const std::size_t before = w.texts.size();
    w.loop.At(5000, [&] { w.socket.Receive("REPLYGET^0123^Ann^bel terug^2^"); });
    w.loop.At(6000, [&] { w.socket.Receive("NIEUW^Bob^0^^0456^3^"); });
    w.loop.RunFor(8000);
    insideTheShowing.assign(w.texts.begin() + static_cast<std::ptrdiff_t>(before), w.texts.end());
  });
  w.loop.RunFor(12000);
  EXPECT_EQ(insideTheShowing,
            (std::vector<std::string>{std::string(30, '7'), "REPLYGET^0123^Ann^bel terug^2^", "NIEUW^Bob^0^^0456^3^"}));
  EXPECT_EQ(w.texts, insideTheShowing);
}

// A hand-over that waits in a modal loop of its own (the messages window) still
// gets the next text inside, on its own.
TEST(SettleWait, ATextArrivingWhileTheLastOneIsHandledComesInsideOnItsOwn) {
  ReceivingWindow w;
  std::vector<std::string> nested;
  w.onText = [&](const std::string& text) {
    if (text != "MSG^Ann^hallo") return;
    w.loop.After(500, [&] { w.socket.Receive("MSG^Bob^hoi"); });
    const std::size_t before = w.texts.size();
    w.loop.RunFor(2000);
    nested.assign(w.texts.begin() + static_cast<std::ptrdiff_t>(before), w.texts.end());
  };
  w.loop.At(100, [&] { w.socket.Receive("MSG^Ann^hallo"); });
  w.loop.RunFor(5000);
  EXPECT_EQ(nested, std::vector<std::string>{"MSG^Bob^hoi"});
  EXPECT_EQ(w.texts, (std::vector<std::string>{"MSG^Ann^hallo", "MSG^Bob^hoi"}));
}

TEST(SettleWait, NotificationsThatBringNothingHandNothingOn) {
  ReceivingWindow w;
  w.ClientSocket1Read();
  w.loop.RunFor(1000);
  EXPECT_TRUE(w.texts.empty());
  EXPECT_FALSE(w.settle.Enabled());
}

// A socket that reports bytes but whose reads fail: asking again would never end.
class FailingReads : public ClientSocket {
 public:
  void BeginLookup(const std::string& /*host*/) override {}
  void BeginConnect(std::uint32_t /*address*/) override {}
  void CloseTransport() override {}
  int SendBytes(std::string_view /*bytes*/) override { return 0; }
  int AvailableBytes() override { return 5; }
  int ReadBytes(char* /*buffer*/, int /*count*/) override {
    ++reads;
    return -1;
  }
  int reads = 0;
};

TEST(SettleWait, AFailedReadWhileBytesAreReportedEndsTheRead) {
  ui::ManualEventLoop loop;
  ui::ManualTimer settle(loop, 1, false);
  FailingReads socket;
  int texts = 0;
  Receiver receiver(socket, settle, loop.ClockRef(), [&](std::string_view) { ++texts; });
  receiver.Read();
  EXPECT_EQ(socket.reads, 1);
  EXPECT_EQ(texts, 0);
  EXPECT_FALSE(settle.Enabled());
}

TEST(SettleWait, ATextWhoseConnectionEndsDuringTheWaitIsDropped) {
  ReceivingWindow w;
  w.loop.At(1000, [&] { w.socket.Receive("HISTORY^Ann^0^^0123^1^~"); });
  w.loop.At(1050, [&] { w.socket.CloseByPeer(); });
  w.loop.RunFor(2000);
  EXPECT_TRUE(w.texts.empty());
  EXPECT_FALSE(w.settle.Enabled());
}

TEST(SettleWait, ATextBiggerThanOneReadChunkIsReadWholeOnOneNotification) {
  ReceivingWindow w;
  const std::string big(100000, 'x');
  w.loop.At(10, [&] { w.socket.Receive(big); });
  w.loop.RunFor(1000);
  ASSERT_EQ(w.texts.size(), 1u);
  EXPECT_EQ(w.texts[0].size(), big.size());
  EXPECT_EQ(w.reads, 1);
}

// The bound ends the wait at once, whether one burst brings the bytes or the
// bytes add up while the wait runs; what is left starts the next text.
TEST(SettleWait, TextsStopAtTheBoundInOrder) {
  struct Case {
    const char* name;
    int pieces;
    std::uint64_t firstHandedOverAt;
  };
  const Case cases[] = {{"one burst", 1, 10}, {"bursts during the wait", 4, 10 + 50}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReceivingWindow w;
    std::string stream(2 * kMaxMessageBytes + 1000, '\0');
    for (std::size_t i = 0; i < stream.size(); ++i) stream[i] = static_cast<char>(i % 251);
    const std::size_t piece = stream.size() / static_cast<std::size_t>(c.pieces) + 1;
    for (int p = 0; p < c.pieces; ++p) {
      w.loop.At(10 + static_cast<std::uint64_t>(p) * 50,
                [&w, &stream, piece, p] { w.socket.Receive(std::string_view(stream).substr(p * piece, piece)); });
    }
    w.loop.RunFor(1000);
    ASSERT_EQ(w.texts.size(), 3u);
    EXPECT_EQ(w.texts[0].size(), kMaxMessageBytes);
    EXPECT_EQ(w.texts[1].size(), kMaxMessageBytes);
    EXPECT_EQ(w.texts[0] + w.texts[1] + w.texts[2], stream);
    EXPECT_EQ(w.handedOverAt[0], c.firstHandedOverAt);
  }
}

TEST(SettleWait, AStreamThatNeverPausesIsHandedOnAfterTheCollectingTime) {
  ReceivingWindow w;
  std::string sent;
  for (std::uint64_t at = 1000; at < 13000; at += 100) {
    w.loop.At(at, [&w, &sent] {
      sent += static_cast<char>('a' + sent.size() % 26);
      w.socket.Receive(sent.substr(sent.size() - 1));
    });
  }
  w.loop.RunFor(14000);
  ASSERT_EQ(w.texts.size(), 3u);
  EXPECT_EQ(w.handedOverAt[0], 1000u + kMaxCollectMs);
  EXPECT_EQ(w.handedOverAt[1], 1100u + 2 * kMaxCollectMs);
  EXPECT_EQ(w.texts[0] + w.texts[1] + w.texts[2], sent);
}

}  // namespace
}  // namespace ringlook::net
