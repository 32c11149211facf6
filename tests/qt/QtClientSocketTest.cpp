// The socket contract on the Qt client socket against listeners on 127.0.0.1 that
// accept, refuse, close in order and reset; and the link's log.
#include <QLoggingCategory>

#include <gmock/gmock.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EventLoopWait.h"
#include "LoopbackNetwork.h"
#include "qt/QtClientSocket.h"

namespace ringlook::qt {
namespace {

using ::testing::ElementsAre;

class QtNetwork final : public testing::LoopbackNetwork<QtClientSocket> {
 public:
  using LoopbackNetwork::LoopbackNetwork;
  bool WaitUntil(const std::function<bool()>& done, int timeoutMs) override {
    return testing::WaitUntil(done, timeoutMs);
  }
};

using testing::SocketContract;
INSTANTIATE_TEST_SUITE_P(Qt, SocketContract,
                         ::testing::Values(testing::SocketKind{
                             "Qt", [](bool listening) { return std::make_unique<QtNetwork>(listening); }}));

class QtClientSocketTest : public ::testing::Test {
 protected:
  QtNetwork network{true};
  net::ClientSocket& socket = network.Socket();
  testing::Recorder events{network};
};

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
  ASSERT_TRUE(events.Connect());
  socket.SetActive(false);
  EXPECT_TRUE(log.lines.empty()) << ::testing::PrintToString(log.lines);

  LinkLogLines::SwitchOn();
  ASSERT_TRUE(events.Connect());
  events.onRead = [&] {
    char buffer[64];
    while (socket.AvailableBytes() > 0 && socket.ReadBytes(buffer, sizeof buffer) > 0) {
    }
  };
  EXPECT_EQ(socket.SendBytes("NICK^Jos\xe9"), 9);
  network.Write("MSG^Ann^a\\b\x01\x81");
  ASSERT_TRUE(events.WaitForEntries(1));
  EXPECT_EQ(network.Received(9), "NICK^Jos\xe9");
  network.CloseInOrder();
  ASSERT_TRUE(events.WaitForEntries(2));

  QtNetwork refusing(false);
  testing::Recorder refused(refusing);
  refusing.Socket().SetAddress("127.0.0.1");
  refusing.Socket().SetActive(true);
  ASSERT_TRUE(refused.WaitForEntries(2));

  const std::string port = std::to_string(network.Port());
  const std::string refusedPort = std::to_string(refusing.Port());
  EXPECT_THAT(log.lines, ElementsAre("poging 2 naar 127.0.0.1:" + port, "verbinden met 127.0.0.1:" + port, "verbonden",
                                     "verstuurd (9 van 9 bytes): NICK^Jos\xc3\xa9",
                                     "ontvangen (13 bytes): MSG^Ann^a\\\\b\\x01\\x81", "de server sloot de verbinding",
                                     "poging 1 naar 127.0.0.1:" + refusedPort, "verbinden met 127.0.0.1:" + refusedPort,
                                     ::testing::StartsWith("fout 10061 bij verbinden: ")));
}

}  // namespace
}  // namespace ringlook::qt
