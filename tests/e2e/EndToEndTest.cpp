// The program's window logic on its real Qt windows and socket, talking to the
// reference server over 127.0.0.1: start-up reads the settings and connects,
// today's calls are asked for, new calls arrive as texts, and the status bar
// follows the link as the server goes away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "main/TFormRinglook.h"
#include "server/RingServer.h"
#include "server/Store.h"
#include "settings/MemoryAutostartEntry.h"
#include "settings/MemorySettingsStore.h"
#include "settings/TFormSetup.h"
#include "ui/qt/QtApplication.h"
#include "ui/qt/QtClientSocket.h"
#include "ui/qt/QtClock.h"
#include "ui/qt/QtMainForm.h"
#include "ui/qt/QtWindows.h"

namespace ringlook {
namespace {

// Runs the event loop until done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done()) {
    if (elapsed.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
  return true;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    serverStore = std::make_unique<server::Store>(dir.filePath("demo.db"), QDateTime::currentDateTime());
    StartServer();
    socket = std::make_unique<qt::QtClientSocket>(port);
    settings.Store(kSettingsKey, "ServerIp", settings::StoredValue::OfString("127.0.0.1"));
    settings.Store(kSettingsKey, "NickName", settings::StoredValue::OfString("Anna"));
    settings.Store(kSettingsKey, "Popup", settings::StoredValue::OfInteger(0));
    main = std::make_unique<TFormRinglook>(
        windows.FormRinglook(), TFormRinglook::Services{application, clock, *socket, settings, autostart,
                                                        [] { return std::string("/tmp"); }, "/usr/bin/ringlook"});
    setup = std::make_unique<TFormSetup>(windows.FormSetup(), *main);
    main->AttachSetup(*setup);
    main->Dispatch = [this](const std::string& text) { received.push_back(text); };
  }

  void TearDown() override {
    // The window logic goes first: it refers to the socket and the windows.
    setup.reset();
    main.reset();
    socket.reset();
  }

  void StartServer() {
    server = std::make_unique<server::RingServer>(*serverStore, [] { return QDateTime::currentDateTime(); });
    ASSERT_TRUE(server->Listen(QHostAddress::LocalHost, port));
    port = server->Port();
  }

  [[nodiscard]] std::string Panel(int i) const { return windows.FormRinglook().StatusBar1.PanelText(i); }

  void StartAndConnect() {
    windows.MainForm().show();
    main->FormActivate();
    ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "   Verbonden"; })) << Panel(0);
  }

  QTemporaryDir dir;
  quint16 port = 0;
  std::unique_ptr<server::Store> serverStore;
  std::unique_ptr<server::RingServer> server;
  qt::QtClock clock;
  qt::QtWindows windows;
  qt::QtApplication application{windows.MainForm(), clock};
  std::unique_ptr<qt::QtClientSocket> socket;
  settings::MemorySettingsStore settings;
  settings::MemoryAutostartEntry autostart;
  std::unique_ptr<TFormRinglook> main;
  std::unique_ptr<TFormSetup> setup;
  std::vector<std::string> received;
};

TEST_F(EndToEnd, StartUpConnectsAndTodaysCallsArriveAsOneText) {
  StartAndConnect();
  EXPECT_EQ(windows.FormRinglook().Self.Caption(), "Ringlook v2.54");
  EXPECT_EQ(setup->Controls.Edit2.Text(), "Anna");
  ASSERT_TRUE(WaitUntil([&] { return !received.empty(); }));
  EXPECT_TRUE(received[0].rfind("HISTORY^", 0) == 0) << received[0];
  EXPECT_NE(received[0].find("~"), std::string::npos) << "the demo data has calls today";
}

TEST_F(EndToEnd, ANewCallArrivesAndTheCountFollowsSeparately) {
  StartAndConnect();
  ASSERT_TRUE(WaitUntil([&] { return received.size() == 1; }));
  server->InjectCall("0201234567", "lijn 2");
  ASSERT_TRUE(WaitUntil([&] { return received.size() >= 3; }));
  EXPECT_EQ(received[1].rfind("NIEUW^", 0), 0u) << received[1];
  EXPECT_NE(received[1].find("^0201234567^"), std::string::npos);
  EXPECT_EQ(received[2].rfind("UPDATEBELLERS^", 0), 0u) << "the server's gap keeps the two texts apart";
}

TEST_F(EndToEnd, ServerGoingAwayShowsNotConnectedAndTheStatusBarReconnects) {
  StartAndConnect();
  windows.FormRinglook().ListBox1.Add("a line");
  server.reset();
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "  Geen verbinding"; })) << Panel(0);
  EXPECT_EQ(windows.FormRinglook().StatusBar1.PanelBevel(0), ui::Bevel::Raised);
  EXPECT_EQ(windows.FormRinglook().ListBox1.Count(), 0);
  StartServer();
  windows.FormRinglook().StatusBar1.OnClick();
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "   Verbonden"; })) << Panel(0);
}

TEST_F(EndToEnd, SettingsDialogDropsTheLinkAndItsOkReconnects) {
  StartAndConnect();
  QTimer::singleShot(300, [&] {
    EXPECT_EQ(Panel(0), "  Geen verbinding");
    setup->Controls.Button1.OnClick();
  });
  windows.FormRinglook().Setup1.OnClick();
  EXPECT_EQ(socket->Host(), "127.0.0.1");
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "   Verbonden"; })) << Panel(0);
}

}  // namespace
}  // namespace ringlook

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
