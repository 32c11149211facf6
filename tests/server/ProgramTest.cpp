// The ringlook-server program itself: options, the listening line, commands on
// standard input, the log on standard error.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "TestClient.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::server::test {
namespace {

QString ServerPath() { return QStringLiteral(RINGLOOK_SERVER_PATH); }

TEST(Program, ListensOnAFreePortTakesCommandsAndLogs) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess server;
  server.start(ServerPath(), {"--port", "0", "--log", dir.filePath("demo.db")});
  ASSERT_TRUE(server.waitForStarted());

  ASSERT_TRUE(WaitUntil([&] { return server.canReadLine(); })) << server.readAllStandardError().toStdString();
  const QStringList listening = QString::fromLatin1(server.readLine()).trimmed().split(' ');
  ASSERT_EQ(listening.size(), 3) << listening.join(' ').toStdString();
  EXPECT_EQ(listening[0], "listening");
  EXPECT_EQ(listening[1], "127.0.0.1");
  const quint16 port = listening[2].toUShort();
  ASSERT_NE(port, 0);

  TestClient client(port);
  ASSERT_TRUE(client.Connected());
  server.write("call 0699999999 lijn 9\n");
  const std::string nieuw = client.Receive();
  ASSERT_TRUE(net::HasKeyword(nieuw, net::kNieuw)) << nieuw;
  const net::CallerRecord call = net::CallerRecord::Read(net::TextAfter(nieuw, '^'));
  EXPECT_EQ(call.Number, "0699999999");
  EXPECT_EQ(call.Detail, "lijn 9");
  EXPECT_EQ(client.Receive(), "UPDATEBELLERS^" + call.TodayCount);

  client.Send("HISTORY");
  const std::string history = client.Receive();
  const std::string newestFirst = "HISTORY^" + std::string(net::TextAfter(nieuw, '^')) + "~";
  EXPECT_EQ(history.substr(0, newestFirst.size()), newestFirst);
  EXPECT_GT(history.size(), newestFirst.size()) << "the demo calls of today follow";

  server.write("quit\n");
  ASSERT_TRUE(server.waitForFinished());
  EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(server.exitCode(), 0);
  const QString log = QString::fromLatin1(server.readAllStandardError());
  EXPECT_TRUE(log.contains("<- 127.0.0.1:")) << log.toStdString();
  EXPECT_TRUE(log.contains(": HISTORY\n")) << log.toStdString();
}

TEST(Program, HelpDescribesTheOptionsAndBadArgumentsAreRefused) {
  QProcess help;
  help.start(ServerPath(), {"--help"});
  ASSERT_TRUE(help.waitForFinished());
  EXPECT_EQ(help.exitCode(), 0);
  const QString text = QString::fromUtf8(help.readAllStandardOutput());
  for (const char* word : {"--address", "--port", "--simulate", "--log", "call NUMBER", "quit", "WRONGNICK"}) {
    EXPECT_TRUE(text.contains(QLatin1String(word))) << word;
  }

  for (const QStringList& arguments :
       {QStringList{}, QStringList{"--port", "70000", "x.db"}, QStringList{"--simulate", "-1", "x.db"},
        QStringList{"--address", "nohost", "x.db"}}) {
    QProcess bad;
    bad.start(ServerPath(), arguments);
    ASSERT_TRUE(bad.waitForFinished());
    EXPECT_EQ(bad.exitCode(), 2) << arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace ringlook::server::test
