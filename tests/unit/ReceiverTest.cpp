// The settle wait on the manual clock: a burst ended by 120 ms of silence is one
// message, whatever the loop does meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/Receiver.h"
#include "net/memory/MemoryClientSocket.h"
#include "ui/memory/ManualEventLoop.h"

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
  void ClientSocket1Disconnect() override {}
  void ClientSocket1Error(ErrorEvent, int& code) override { code = 0; }
  void ClientSocket1Read() override {
    ++reads;
    const std::string text = ReceiveMessage(socket, [this](int ms) {
      const std::uint64_t deadline = loop.Tick() + static_cast<std::uint64_t>(ms);
      do {
        loop.ProcessEvents(deadline);
      } while (loop.Tick() < deadline);
    });
    if (!text.empty()) {
      texts.push_back(text);
      handedOverAt.push_back(loop.Tick());
    }
  }

  ui::ManualEventLoop loop;
  MemoryClientSocket socket{loop};
  std::vector<std::string> texts;
  std::vector<std::uint64_t> handedOverAt;
  int reads = 0;
};

TEST(SettleWait, BurstsLessThan120MsApartAreOneText) {
  ReceivingWindow w;
  w.loop.At(1000, [&] { w.socket.Receive("UPDATEBELLERS^17"); });
  w.loop.At(1100, [&] { w.socket.Receive("NIEUW^Jan^0^^0612^18^"); });
  w.loop.RunFor(5000);
  ASSERT_EQ(w.texts.size(), 1u);
  EXPECT_EQ(w.texts[0], "UPDATEBELLERS^17NIEUW^Jan^0^^0612^18^");
}

TEST(SettleWait, BurstsMoreThan120MsApartAreTwoTexts) {
  ReceivingWindow w;
  w.loop.At(1000, [&] { w.socket.Receive("UPDATEBELLERS^17"); });
  w.loop.At(1130, [&] { w.socket.Receive("NIEUW^Jan^0^^0612^18^"); });
  w.loop.RunFor(5000);
  EXPECT_EQ(w.texts, (std::vector<std::string>{"UPDATEBELLERS^17", "NIEUW^Jan^0^^0612^18^"}));
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
  EXPECT_GE(w.handedOverAt[0], 2020u);
  EXPECT_LE(w.handedOverAt[0], 2140u);
}

TEST(SettleWait, ANotificationThatFindsNothingReadsNothing) {
  ReceivingWindow w;
  w.ClientSocket1Read();
  EXPECT_EQ(w.reads, 1);
  EXPECT_TRUE(w.texts.empty());
}

TEST(SettleWait, BytesLeftAfterAReadRaiseTheNextNotification) {
  ReceivingWindow w;
  // A text bigger than one read chunk still arrives whole, in one text.
  const std::string big(100000, 'x');
  w.loop.At(10, [&] { w.socket.Receive(big); });
  w.loop.RunFor(1000);
  ASSERT_EQ(w.texts.size(), 1u);
  EXPECT_EQ(w.texts[0].size(), big.size());
  EXPECT_EQ(w.reads, 1);
}

TEST(SettleWait, MoreThanTheBoundComesInBoundedTextsInOrder) {
  ReceivingWindow w;
  std::string stream(2 * kMaxMessageBytes + 1000, '\0');
  for (std::size_t i = 0; i < stream.size(); ++i) stream[i] = static_cast<char>(i % 251);
  w.loop.At(10, [&] { w.socket.Receive(stream); });
  w.loop.RunFor(1000);
  ASSERT_EQ(w.texts.size(), 3u);
  EXPECT_EQ(w.texts[0].size(), kMaxMessageBytes);
  EXPECT_EQ(w.texts[1].size(), kMaxMessageBytes);
  EXPECT_EQ(w.texts[0] + w.texts[1] + w.texts[2], stream);
  // The bound ends the wait at once.
  EXPECT_EQ(w.handedOverAt[0], 10u);
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
  ASSERT_GE(w.texts.size(), 3u);
  std::string joined;
  for (std::size_t i = 0; i < w.texts.size(); ++i) {
    joined += w.texts[i];
    const std::uint64_t started = i == 0 ? 1000 : w.handedOverAt[i - 1];
    if (i + 1 < w.texts.size()) {
      EXPECT_LE(w.handedOverAt[i] - started, kMaxCollectMs + 2 * kSettleMs) << i;
    }
  }
  EXPECT_EQ(joined, sent);
}

}  // namespace
}  // namespace ringlook::net
