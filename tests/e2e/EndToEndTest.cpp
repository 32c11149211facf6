// The program's window logic on its real Qt windows and socket, talking to the
// reference server over 127.0.0.1: start-up reads the settings and connects,
// today's calls fill the list, new calls land on top, searches find and the
// search bar closes back to today's calls, and the status bar follows the link
// as the server goes away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calls/CallerLine.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "records/TFormEdit.h"
#include "server/RingServer.h"
#include "server/Store.h"
#include "settings/MemoryAutostartEntry.h"
#include "settings/MemorySettingsStore.h"
#include "settings/TFormSetup.h"
#include "ui/qt/QtApplication.h"
#include "ui/qt/QtClientSocket.h"
#include "ui/qt/QtClock.h"
#include "ui/qt/QtDialogForm.h"
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

// Counts the times a window is shown.
class ShowCounter : public QObject {
 public:
  ShowCounter(QWidget& window, int& showings) : window_(window), showings_(showings) {
    window_.installEventFilter(this);
  }
  ~ShowCounter() override { window_.removeEventFilter(this); }
  ShowCounter(const ShowCounter&) = delete;
  ShowCounter& operator=(const ShowCounter&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show) ++showings_;
    return false;
  }

 private:
  QWidget& window_;
  int& showings_;
};

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    serverStore = std::make_unique<server::Store>(dir.filePath("demo.db"), QDateTime::currentDateTime());
    todaysDemoCalls = static_cast<int>(serverStore->CallsOn(QDate::currentDate()).size());
    StartServer();
    socket = std::make_unique<qt::QtClientSocket>(port);
    settings.Store(kSettingsKey, "ServerIp", settings::StoredValue::OfString("127.0.0.1"));
    settings.Store(kSettingsKey, "NickName", settings::StoredValue::OfString("Anna"));
    settings.Store(kSettingsKey, "Popup", settings::StoredValue::OfInteger(0));
    main = std::make_unique<TFormRinglook>(
        windows.FormRinglook(), TFormRinglook::Services{application, clock, *socket, settings, autostart,
                                                        [] { return std::string("/tmp"); }, "/usr/bin/ringlook"});
    setup = std::make_unique<TFormSetup>(windows.FormSetup(), *main);
    edit = std::make_unique<TFormEdit>(windows.FormEdit());
    sentMSG = std::make_unique<TFormSentMSG>(windows.FormSentMSG());
    msg = std::make_unique<TFormMSG>(windows.FormMSG());
    main->AttachSetup(*setup);
    main->AttachEdit(*edit);
    main->AttachMessaging(*sentMSG, *msg);
  }

  void TearDown() override {
    // The window logic goes first: it refers to the socket and the windows.
    msg.reset();
    sentMSG.reset();
    edit.reset();
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
  [[nodiscard]] ui::ListBox& List() const { return windows.FormRinglook().ListBox1; }
  [[nodiscard]] std::string TopNumber() const { return List().Count() > 0 ? calls::LineNumber(List().Item(0)) : ""; }

  // Connected, with today's calls in the list.
  void StartWithTodaysCalls() {
    StartAndConnect();
    ASSERT_TRUE(WaitUntil([&] { return List().Count() == todaysDemoCalls; })) << List().Count();
  }

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
  std::unique_ptr<TFormEdit> edit;
  std::unique_ptr<TFormSentMSG> sentMSG;
  std::unique_ptr<TFormMSG> msg;
  int todaysDemoCalls = 0;
};

TEST_F(EndToEnd, StartUpConnectsAndTodaysCallsFillTheList) {
  StartWithTodaysCalls();
  EXPECT_EQ(windows.FormRinglook().Self.Caption(), "Ringlook v2.54");
  EXPECT_EQ(setup->Controls.Edit2.Text(), "Anna");
  for (int i = 0; i < List().Count(); ++i) {
    EXPECT_FALSE(calls::LineNumber(List().Item(i)).empty()) << List().Item(i);
  }
  EXPECT_EQ(Panel(1).rfind("  Aantal (vandaag) : ", 0), 0u) << Panel(1);
  EXPECT_FALSE(main->LiveList);
}

TEST_F(EndToEnd, ANewCallLandsOnTopWithTheCountAndTheTitle) {
  StartWithTodaysCalls();
  const net::CallerRecord call = server->InjectCall("0529481516", "lijn 2");
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == todaysDemoCalls + 1; })) << List().Count();
  EXPECT_EQ(TopNumber(), "0529481516");
  EXPECT_EQ(calls::LineName(List().Item(0)), "Loodgietersbedrijf Bosman");
  EXPECT_EQ(application.Title(), "Loodgietersbedrijf Bosman");
  EXPECT_TRUE(windows.FormRinglook().Timer1.Enabled());
  // The count follows as a text of its own, kept apart by the server's gap.
  ASSERT_TRUE(WaitUntil([&] { return Panel(1) == "  Caller(s) today : " + call.TodayCount; })) << Panel(1);
}

TEST_F(EndToEnd, ASearchFindsAndClosingTheBarBringsBackTodaysCalls) {
  StartWithTodaysCalls();
  const ui::FormRinglookControls& bar = windows.FormRinglook();
  bar.Find1.OnClick();
  EXPECT_EQ(List().Count(), 0);
  bar.Edit1.SetText("bakkerij");
  bar.Button2.OnClick();
  EXPECT_FALSE(bar.Button2.Enabled());
  ASSERT_TRUE(WaitUntil([&] { return bar.Button2.Enabled(); }));
  EXPECT_EQ(Panel(1), "  Gevonden : " + std::to_string(List().Count()));
  ASSERT_GT(List().Count(), 0);
  for (int i = 0; i < List().Count(); ++i) EXPECT_EQ(calls::LineName(List().Item(i)), "Bakkerij De Korenaar");
  bar.Button1.OnClick();
  EXPECT_FALSE(bar.Panel2.Visible());
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == todaysDemoCalls; })) << List().Count();
}

TEST_F(EndToEnd, ChangingANameRewritesEveryLineOfThatNumber) {
  StartWithTodaysCalls();
  const std::string number = "0384211234";
  std::vector<int> lines;
  for (int i = 0; i < List().Count(); ++i) {
    if (calls::LineNumber(List().Item(i)) == number) lines.push_back(i);
  }
  ASSERT_FALSE(lines.empty()) << "the demo data calls this number today";
  List().SetItemIndex(lines.back());
  const ui::FormEditControls& dialog = windows.FormEdit();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!dialog.Self.Visible() || !dialog.Edit1.Enabled()) return;
    EXPECT_EQ(dialog.Edit2.Text(), number);
    dialog.Edit1.SetText("Bakkerij Korenaar BV");
    dialog.Button2.OnClick();
  });
  poll.start(20);
  List().OnDblClick();
  poll.stop();
  ASSERT_TRUE(WaitUntil([&] { return calls::LineName(List().Item(lines.front())) == "Bakkerij Korenaar BV"; }));
  for (int i : lines) EXPECT_EQ(calls::LineName(List().Item(i)), "Bakkerij Korenaar BV") << i;
  EXPECT_EQ(List().Count(), todaysDemoCalls);
}

// The first message opens the messages window modally; the second arrives
// while the first dispatch waits in that window's loop.
TEST_F(EndToEnd, ASecondMessageWhileTheMessagesWindowIsOpenIsAppendedNotShownAgain) {
  StartWithTodaysCalls();
  main->Timer3Timer();
  ASSERT_TRUE(WaitUntil([&] { return server->Nicknames() == std::vector<std::string>{"Anna"}; }));
  qt::QtDialogForm& window = windows.MSGForm();
  int showings = 0;
  ShowCounter counter(window, showings);
  static int recursiveShowings = 0;
  recursiveShowings = 0;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(QStringLiteral("Recursive call"))) ++recursiveShowings;
      });
  const ui::RichView& view = windows.FormMSG().RichOntvang;
  enum class Step { WaitForWindow, WaitForSecond, Closed } step = Step::WaitForWindow;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (step == Step::WaitForWindow && window.isVisible()) {
      server->Deliver("Anna", "Bert", "tweede");
      step = Step::WaitForSecond;
    } else if (step == Step::WaitForSecond && view.Text().find("tweede") != std::string::npos) {
      windows.FormMSG().Self.Close(ui::ModalResult::Cancel);
      step = Step::Closed;
    }
  });
  poll.start(20);
  server->Deliver("Anna", "Piet", "eerste");
  const bool closed = WaitUntil([&] { return step == Step::Closed && !window.isVisible(); }, 10000);
  qInstallMessageHandler(previous);
  ASSERT_TRUE(closed);
  EXPECT_EQ(recursiveShowings, 0) << "a second modal showing of the open window";
  const std::string shown = view.Text();
  EXPECT_LT(shown.find("Bericht van : Piet"), shown.find("Bericht van : Bert")) << shown;
  EXPECT_EQ(showings, 1);
  EXPECT_EQ(main->LastCorrespondent, "Bert");
}

TEST_F(EndToEnd, ServerGoingAwayShowsNotConnectedAndTheStatusBarReconnects) {
  StartWithTodaysCalls();
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
