// The socket contract on the Windows Sockets client socket against listeners on
// 127.0.0.1 that accept, refuse, close in order and reset; and the settle wait
// over loopback while a modal window runs its own loop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LoopbackNetwork.h"
#include "net/Receiver.h"
#include "win32/Win32ClientSocket.h"
#include "win32/Win32Clock.h"
#include "win32/Win32EventPump.h"
#include "win32/Win32Form.h"
#include "win32/Win32Timer.h"

namespace ringlook::win32 {
namespace {

class Win32Network final : public testing::LoopbackNetwork<Win32ClientSocket> {
 public:
  using LoopbackNetwork::LoopbackNetwork;
  bool WaitUntil(const std::function<bool()>& done, int timeoutMs) override {
    Win32Clock clock;
    const std::uint64_t deadline = clock.TickMs() + static_cast<std::uint64_t>(timeoutMs);
    while (!done() && clock.TickMs() < deadline) ProcessEventsUntil(clock, std::min(deadline, clock.TickMs() + 50));
    return done();
  }
  [[nodiscard]] std::vector<int> UnreachableCodes() const override {
    return {net::socket_error::kAddressNotAvailable, net::socket_error::kNetUnreachable,
            net::socket_error::kHostUnreachable};
  }
  [[nodiscard]] std::vector<int> UnknownHostCodes() const override {
    return {net::socket_error::kHostNotFound, WSATRY_AGAIN};
  }
};

using testing::SocketContract;
INSTANTIATE_TEST_SUITE_P(Win32, SocketContract,
                         ::testing::Values(testing::SocketKind{
                             "Win32", [](bool listening) { return std::make_unique<Win32Network>(listening); }}));

// A modal window opened while a text is still arriving: that text, and each one
// after it, is handed on inside the window's own loop, on its own.
TEST(Win32ClientSocketTest, AModalWindowOpenedDuringTheSettleWaitGetsEveryText) {
  Win32Network network(true);
  net::ClientSocket& socket = network.Socket();
  testing::Recorder events(network);
  ASSERT_TRUE(events.Connect());
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
    if (at == 0) network.Write(trickle.substr(0, 14));
    if (at >= 1 && at <= 20) network.Write("7");
    if (at == 40) network.Write(reply);
    if (at == 55) network.Write(call);
    if (at == 70) dialog.Close(ui::ModalResult::Cancel);
  };
  Win32Timer opener(100);
  opener.OnTimer = [&] {
    opener.SetEnabled(false);
    dialog.ShowModal();
  };
  ASSERT_TRUE(events.WaitUntil([&] { return tick > 70 && !dialog.Visible(); }));
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
