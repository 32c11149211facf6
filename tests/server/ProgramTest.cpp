// The ringlook-server program itself: options, the listening line, commands on
// standard input, the log on standard error.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "TestClient.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::server::test {
namespace {

QString ServerPath() { return QStringLiteral(RINGLOOK_SERVER_PATH); }

// What the process's standard input is: a file name, or "pipe:[inode]".
std::string StandardInput(qint64 pid) {
  char target[256] = {};
  const std::string link = "/proc/" + std::to_string(pid) + "/fd/0";
  const ssize_t size = ::readlink(link.c_str(), target, sizeof target - 1);
  return size > 0 ? std::string(target, static_cast<std::size_t>(size)) : "<none>";
}

// The read calls the process has made so far (its /proc io count).
qint64 ReadCalls(qint64 pid) {
  QFile io(QStringLiteral("/proc/%1/io").arg(pid));
  if (!io.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : io.readAll().split('\n')) {
    if (line.startsWith("syscr:")) return line.mid(6).trimmed().toLongLong();
  }
  return -1;
}

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

  // A search, not today's calls: the server reads the real clock, which may pass midnight meanwhile.
  client.Send("FIND^06");
  std::vector<net::CallerRecord> found;
  net::ReadRecordList(net::TextAfter(client.Receive(), '^'), [&](std::string_view record) {
    found.push_back(net::CallerRecord::Read(record));
    return true;
  });
  ASSERT_GT(found.size(), 1u) << "the demo calls follow";
  EXPECT_EQ(found[0].Number, "0699999999");
  EXPECT_EQ(found[0].Detail, "lijn 9");

  server.write("quit\n");
  ASSERT_TRUE(server.waitForFinished());
  EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(server.exitCode(), 0);
  const QString log = QString::fromLatin1(server.readAllStandardError());
  EXPECT_TRUE(log.contains("<- 127.0.0.1:")) << log.toStdString();
  EXPECT_TRUE(log.contains(": FIND^06\n")) << log.toStdString();
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

// As a service the server gets /dev/null, or a closed stream from a careless
// parent: it keeps serving, and neither spins on the end of input nor reads
// some later file or socket of its own as typed commands.
TEST(Program, ServesWithoutAConsole) {
  struct Case {
    const char* Name;
    std::function<void(QProcess&)> Before;
    std::function<void(QProcess&)> After;
    const char* Stdin;
  };
  const auto nothing = [](QProcess&) {};
  const std::vector<Case> cases = {
      {"closed", [](QProcess& p) { p.setChildProcessModifier([] { ::close(STDIN_FILENO); }); }, nothing, "/dev/null"},
      {"/dev/null", [](QProcess& p) { p.setStandardInputFile(QProcess::nullDevice()); }, nothing, "/dev/null"},
      {"a pipe at its end", nothing, [](QProcess& p) { p.closeWriteChannel(); }, "pipe:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess server;
    c.Before(server);
    server.start(ServerPath(), {"--port", "0", dir.filePath("demo.db")});
    ASSERT_TRUE(server.waitForStarted());
    c.After(server);
    ASSERT_TRUE(WaitUntil([&] { return server.canReadLine(); })) << server.readAllStandardError().toStdString();
    const quint16 port = QString::fromLatin1(server.readLine()).trimmed().section(' ', 2).toUShort();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(StandardInput(server.processId()).starts_with(c.Stdin)) << StandardInput(server.processId());

    TestClient client(port);
    ASSERT_TRUE(client.Connected());
    EXPECT_EQ(client.Ask("HISTORY").substr(0, 8), "HISTORY^");
    const qint64 before = ReadCalls(server.processId());
    EXPECT_EQ(client.Ask("HISTORY").substr(0, 8), "HISTORY^");
    ASSERT_GE(before, 0);
    EXPECT_LT(ReadCalls(server.processId()) - before, 100) << "read calls during one request";
    EXPECT_EQ(server.state(), QProcess::Running);
    server.kill();
    server.waitForFinished();
  }
}

}  // namespace
}  // namespace ringlook::server::test
