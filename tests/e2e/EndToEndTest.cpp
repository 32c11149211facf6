// The whole program in the test process, on its real Qt windows, socket and
// settings file, talking to the reference server over 127.0.0.1: start-up reads the settings and connects,
// today's calls fill the list, new calls land on top, searches find and the
// search bar closes back to today's calls, messages go both ways between two
// users, and the status bar follows the link as the server goes away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calls/CallerLine.h"
#include "server/RingServer.h"
#include "server/Store.h"
#include "ui/qt/QtProgram.h"

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
    WriteSettings({"ServerIp=string:127.0.0.1", "NickName=string:Anna", "Popup=integer:0"});
    program =
        std::make_unique<qt::QtProgram>(qt::QtProgram::Options{dir.filePath("config"), port, "/usr/bin/ringlook"});
  }

  // The stored settings as the program finds them at start.
  void WriteSettings(const QStringList& lines) const {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("config/Ringlook/Software")));
    QFile file(dir.filePath("config/Ringlook/Software/Ringlook.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((lines.join('\n') + '\n').toUtf8());
  }

  void StartServer() {
    server = std::make_unique<server::RingServer>(*serverStore, [] { return QDateTime::currentDateTime(); });
    ASSERT_TRUE(server->Listen(QHostAddress::LocalHost, port));
    port = server->Port();
  }

  [[nodiscard]] std::string Panel(int i) const { return program->windows.FormRinglook().StatusBar1.PanelText(i); }
  [[nodiscard]] ui::ListBox& List() const { return program->windows.FormRinglook().ListBox1; }
  [[nodiscard]] std::string TopNumber() const { return List().Count() > 0 ? calls::LineNumber(List().Item(0)) : ""; }

  // Connected, with today's calls in the list.
  void StartWithTodaysCalls() {
    StartAndConnect();
    ASSERT_TRUE(WaitUntil([&] { return List().Count() == todaysDemoCalls; })) << List().Count();
  }

  void StartAndConnect() {
    program->windows.MainForm().show();
    program->formRinglook.FormActivate();
    ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "   Verbonden"; })) << Panel(0);
  }

  QTemporaryDir dir;
  quint16 port = 0;
  std::unique_ptr<server::Store> serverStore;
  std::unique_ptr<server::RingServer> server;
  std::unique_ptr<qt::QtProgram> program;
  int todaysDemoCalls = 0;
};

TEST_F(EndToEnd, StartUpConnectsAndTodaysCallsFillTheList) {
  StartWithTodaysCalls();
  EXPECT_EQ(program->windows.FormRinglook().Self.Caption(), "Ringlook v2.54");
  EXPECT_EQ(program->formSetup.Controls.Edit2.Text(), "Anna");
  for (int i = 0; i < List().Count(); ++i) {
    EXPECT_FALSE(calls::LineNumber(List().Item(i)).empty()) << List().Item(i);
  }
  EXPECT_EQ(Panel(1).rfind("  Aantal (vandaag) : ", 0), 0u) << Panel(1);
  EXPECT_FALSE(program->formRinglook.LiveList);
}

TEST_F(EndToEnd, ANewCallLandsOnTopWithTheCountAndTheTitle) {
  StartWithTodaysCalls();
  const net::CallerRecord call = server->InjectCall("0529481516", "lijn 2");
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == todaysDemoCalls + 1; })) << List().Count();
  EXPECT_EQ(TopNumber(), "0529481516");
  EXPECT_EQ(calls::LineName(List().Item(0)), "Loodgietersbedrijf Bosman");
  EXPECT_EQ(program->application.Title(), "Loodgietersbedrijf Bosman");
  EXPECT_TRUE(program->windows.FormRinglook().Timer1.Enabled());
  // The count follows as a text of its own, kept apart by the server's gap.
  ASSERT_TRUE(WaitUntil([&] { return Panel(1) == "  Caller(s) today : " + call.TodayCount; })) << Panel(1);
}

TEST_F(EndToEnd, ASearchFindsAndClosingTheBarBringsBackTodaysCalls) {
  StartWithTodaysCalls();
  const ui::FormRinglookControls& bar = program->windows.FormRinglook();
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
  const ui::FormEditControls& dialog = program->windows.FormEdit();
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
  program->formRinglook.Timer3Timer();
  ASSERT_TRUE(WaitUntil([&] { return server->Nicknames() == std::vector<std::string>{"Anna"}; }));
  qt::QtDialogForm& window = program->windows.MSGForm();
  int showings = 0;
  ShowCounter counter(window, showings);
  static int recursiveShowings = 0;
  recursiveShowings = 0;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(QStringLiteral("Recursive call"))) ++recursiveShowings;
      });
  const ui::RichView& view = program->windows.FormMSG().RichOntvang;
  enum class Step { WaitForWindow, WaitForSecond, Closed } step = Step::WaitForWindow;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (step == Step::WaitForWindow && window.isVisible()) {
      server->Deliver("Anna", "Bert", "tweede");
      step = Step::WaitForSecond;
    } else if (step == Step::WaitForSecond && view.Text().find("tweede") != std::string::npos) {
      program->windows.FormMSG().Self.Close(ui::ModalResult::Cancel);
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
  EXPECT_EQ(program->formRinglook.LastCorrespondent, "Bert");
}

// Bert, a second user on a bare socket, writes to Anna. The user's steps run
// from a poll while the windows wait in their modal loops; each click is posted
// so that the poll is free again while the click's own modal loop runs.
TEST_F(EndToEnd, AMessageOpensTheMessagesWindowAndTheAnswerGoesBackWithoutTheUsersOwnName) {
  StartWithTodaysCalls();
  program->formRinglook.Timer3Timer();
  QTcpSocket bert;
  QByteArray toBert;
  QObject::connect(&bert, &QTcpSocket::readyRead, [&] { toBert += bert.readAll(); });
  bert.connectToHost(QHostAddress::LocalHost, port);
  ASSERT_TRUE(WaitUntil([&] { return bert.state() == QAbstractSocket::ConnectedState; }));
  bert.write("NICK^Bert");
  ASSERT_TRUE(WaitUntil([&] { return server->Nicknames() == std::vector<std::string>{"Anna", "Bert"}; }));

  qt::QtDialogForm& messages = program->windows.MSGForm();
  qt::QtDialogForm& sendDialog = program->windows.SentMSGForm();
  const ui::FormSentMSGControls& send = program->windows.FormSentMSG();
  auto click = [](QWidget& window, const char* button) {
    QPushButton* pressed = window.findChild<QPushButton*>(QString::fromLatin1(button));
    QTimer::singleShot(0, pressed, &QPushButton::click);
  };
  std::string shown;
  bool onTopWhileShown = false;
  std::vector<std::string> recipients;
  std::string chosen;
  enum class Step { Reading, Answering, Sent } step = Step::Reading;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (step == Step::Reading && messages.isVisible()) {
      shown = program->windows.FormMSG().RichOntvang.Text();
      onTopWhileShown = messages.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      click(messages, "Button2");
      step = Step::Answering;
    } else if (step == Step::Answering && sendDialog.isVisible() && send.ComboBox1.Enabled()) {
      for (int i = 0; i < send.ComboBox1.Count(); ++i) recipients.push_back(send.ComboBox1.Item(i));
      chosen = send.ComboBox1.Item(send.ComboBox1.ItemIndex());
      send.Memo1.SetText("Hoi Bert");
      click(sendDialog, "Button2");
      step = Step::Sent;
    }
  });
  user.start(20);
  bert.write("MSG^Anna^Bert^Hallo Anna, zie www.test.nl");
  ASSERT_TRUE(WaitUntil([&] { return toBert.contains("MSG^Anna^Hoi Bert"); }, 10000)) << toBert.toStdString();
  ASSERT_TRUE(WaitUntil([&] { return !messages.isVisible() && !sendDialog.isVisible(); }));

  EXPECT_EQ(shown, program->formRinglook.LastMessageBlock);
  EXPECT_EQ(shown.rfind("\r\n" + std::string(55, '-') + "\r\nBericht van : Bert  (", 0), 0u) << shown;
  EXPECT_TRUE(shown.ends_with(")\r\n\r\nHallo Anna, zie www.test.nl")) << shown;
  EXPECT_TRUE(onTopWhileShown);
  EXPECT_FALSE(messages.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
      << "Beantwoorden took it out of the top layer";
  EXPECT_EQ(recipients, std::vector<std::string>{"Bert"});
  EXPECT_EQ(chosen, "Bert");
  EXPECT_EQ(program->formRinglook.LastCorrespondent, "Bert");
}

TEST_F(EndToEnd, ServerGoingAwayShowsNotConnectedAndTheStatusBarReconnects) {
  StartWithTodaysCalls();
  server.reset();
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "  Geen verbinding"; })) << Panel(0);
  EXPECT_EQ(program->windows.FormRinglook().StatusBar1.PanelBevel(0), ui::Bevel::Raised);
  EXPECT_EQ(program->windows.FormRinglook().ListBox1.Count(), 0);
  StartServer();
  program->windows.FormRinglook().StatusBar1.OnClick();
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "   Verbonden"; })) << Panel(0);
}

TEST_F(EndToEnd, SettingsDialogDropsTheLinkAndItsOkReconnects) {
  StartAndConnect();
  QTimer::singleShot(300, [&] {
    EXPECT_EQ(Panel(0), "  Geen verbinding");
    program->formSetup.Controls.Button1.OnClick();
  });
  program->windows.FormRinglook().Setup1.OnClick();
  EXPECT_EQ(program->socket.Host(), "127.0.0.1");
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
