// The link to a server whose host stops answering, no FIN and no RST: the whole
// program on its real Qt windows and socket, in a network namespace of its own
// (see in-namespace.sh), where a packet filter drops the server's port. The
// system's keep-alive gives up on the link, and the user sees it and can
// connect again once the host answers.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "Desk.h"
#include "EventLoopWait.h"
#include "server/RingServer.h"
#include "server/Store.h"

namespace ringlook::e2e {
namespace {

using testing::WaitUntil;

QDateTime Now() { return {QDate(2024, 3, 14), QTime(11, 0)}; }

bool Filter(const char* action) {
  const std::string command = std::string("iptables ") + action + " INPUT -p tcp --dport 6661 -j DROP";
  return std::system(command.c_str()) == 0;
}

TEST(SilentLink, IsShownAsLostWithinSecondsAndAClickConnectsAgainOnceTheHostAnswers) {
  if (qEnvironmentVariableIsEmpty("RINGLOOK_OWN_NAMESPACE")) {
    GTEST_SKIP() << "needs a network namespace of its own with iptables: "
                 << qEnvironmentVariable("RINGLOOK_NO_NAMESPACE", "not run through in-namespace.sh").toStdString();
  }
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  server::Store store(dir.filePath("demo.db"), Now());
  const int todaysCalls = static_cast<int>(store.CallsOn(Now().date()).size());
  server::RingServer server(store, Now);
  ASSERT_TRUE(server.Listen(QHostAddress::LocalHost, qt::QtClientSocket::kPort)) << server.ErrorString().toStdString();

  Desk anna(dir.filePath("anna"), "Anna", qt::QtClientSocket::kPort);
  // Seconds rather than the program's 25, and the start-up window long past.
  anna.program.socket.SetKeepAlive({1, 1, 2, 3000});
  anna.program.logic.formRinglook.Link().StartAt(anna.program.clock.Now() - 1.0);
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));

  ASSERT_TRUE(Filter("-A"));
  QElapsedTimer silent;
  silent.start();
  EXPECT_TRUE(WaitUntil([&] { return anna.Panel(0) == "  Geen verbinding"; }, 30000)) << anna.Panel(0);
  std::cout << "[ measured ] the host silent to \"  Geen verbinding\": " << silent.elapsed() << " ms\n";
  EXPECT_EQ(anna.Panel(2), "Error : 10060");
  EXPECT_EQ(anna.List().Count(), 0);

  ASSERT_TRUE(Filter("-D"));
  anna.Main().StatusBar1.OnClick();
  EXPECT_TRUE(WaitUntil([&] { return anna.Panel(0) == "   Verbonden" && anna.List().Count() == todaysCalls; }))
      << anna.Panel(0) << ", " << anna.List().Count() << " lines";
}

}  // namespace
}  // namespace ringlook::e2e
