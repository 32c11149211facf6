// A working day of the whole program, on its real Qt windows, socket and
// settings files, against the reference server on a free port of 127.0.0.1
// (never 6661, where an installed service may listen): start-up connects and
// today's calls fill the list, a new call lands on top, a search finds and its
// bar closes back to today's calls, a changed entry rewrites its lines, two
// users write to each other, a second user under a name in use is told so,
// the settings dialog drops the link and connects again, and a right-click
// calls a caller back. (The hostile suite shows the server going away.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "Desk.h"
#include "EventLoopWait.h"
#include "UserSteps.h"
#include "calls/CallerLine.h"
#include "server/RingServer.h"
#include "server/Store.h"

namespace ringlook::e2e {
namespace {

using testing::Click;
using testing::UserSteps;
using testing::WaitUntil;

// The server's clock stands still in the middle of a day: its "today" (the demo
// calls, the history, the counts) must not turn into tomorrow during a test.
// The program keeps the real clock: it reads no date, and its time of day
// runs on across midnight.
QDateTime Now() { return {QDate(2024, 3, 14), QTime(11, 0)}; }

class WorkingDay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    store = std::make_unique<server::Store>(dir.filePath("demo.db"), Now());
    todaysCalls = static_cast<int>(store->CallsOn(Now().date()).size());
    server = std::make_unique<server::RingServer>(*store, Now);
    ASSERT_TRUE(server->Listen(QHostAddress::LocalHost, 0)) << server->ErrorString().toStdString();
  }

  Desk& Open(const std::string& nickname) {
    desks.push_back(std::make_unique<Desk>(dir.filePath(QString::number(desks.size())), nickname, server->Port()));
    return *desks.back();
  }

  // The server knows its users by these nicknames, in the order they connected.
  [[nodiscard]] bool ServerKnows(const std::vector<std::string>& nicknames) const {
    return WaitUntil([&] { return server->Nicknames() == nicknames; });
  }

  QTemporaryDir dir;
  std::unique_ptr<server::Store> store;
  int todaysCalls = 0;
  std::unique_ptr<server::RingServer> server;
  // After the server: the programs leave first, with their links open.
  std::vector<std::unique_ptr<Desk>> desks;
};

TEST_F(WorkingDay, StartUpFillsTheListAndANewCallLandsOnTopWithTheCountAndTheTitle) {
  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));
  EXPECT_EQ(anna.Main().Self.Caption(), "Ringlook v2.54");
  EXPECT_EQ(anna.program.windows.FormSetup().Edit2.Text(), "Anna");
  for (const std::string& line : Items(anna.List())) EXPECT_FALSE(calls::LineNumber(line).empty()) << line;
  EXPECT_EQ(anna.Panel(1).rfind("  Aantal (vandaag) : ", 0), 0u) << anna.Panel(1);
  EXPECT_FALSE(anna.program.logic.formRinglook.Calls().LiveList());

  const net::CallerRecord call = server->InjectCall("0529481516", "lijn 2");
  ASSERT_TRUE(WaitUntil([&] { return anna.List().Count() == todaysCalls + 1; })) << anna.List().Count();
  EXPECT_EQ(calls::LineNumber(anna.List().Item(0)), "0529481516");
  EXPECT_EQ(calls::LineName(anna.List().Item(0)), "Loodgietersbedrijf Bosman");
  EXPECT_EQ(anna.program.application.Title(), "Loodgietersbedrijf Bosman");
  EXPECT_TRUE(anna.Main().Timer1.Enabled());
  // The count follows as a text of its own, 250 ms after the call. A machine
  // too busy to read for that long takes both as one text, the call's, whose
  // own count field then stays in the panel.
  if (!WaitUntil([&] { return anna.Panel(1) == "  Caller(s) today : " + call.TodayCount; })) {
    EXPECT_EQ(anna.Panel(1), "  Aantal (vandaag) : " + call.TodayCount);
  }
}

TEST_F(WorkingDay, ASearchFindsAndClosingTheBarBringsBackTodaysCalls) {
  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));
  const ui::FormRinglookControls& bar = anna.Main();
  bar.Find1.OnClick();
  EXPECT_EQ(anna.List().Count(), 0);
  bar.Edit1.SetText("bakkerij");
  bar.Button2.OnClick();
  EXPECT_FALSE(bar.Button2.Enabled());
  ASSERT_TRUE(WaitUntil([&] { return bar.Button2.Enabled(); }));
  EXPECT_EQ(anna.Panel(1), "  Gevonden : " + std::to_string(anna.List().Count()));
  ASSERT_GT(anna.List().Count(), 0);
  for (const std::string& line : Items(anna.List())) EXPECT_EQ(calls::LineName(line), "Bakkerij De Korenaar");
  bar.Button1.OnClick();
  EXPECT_FALSE(bar.Panel2.Visible());
  ASSERT_TRUE(WaitUntil([&] { return anna.List().Count() == todaysCalls; })) << anna.List().Count();
}

TEST_F(WorkingDay, ChangingANameRewritesEveryLineOfThatNumber) {
  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));
  const std::string number = "0384211234";
  std::vector<int> lines;
  for (int i = 0; i < anna.List().Count(); ++i) {
    if (calls::LineNumber(anna.List().Item(i)) == number) lines.push_back(i);
  }
  ASSERT_GT(lines.size(), 1u) << "the demo data calls this number more than once today";
  anna.List().SetItemIndex(lines.back());
  const ui::FormEditControls& dialog = anna.program.windows.FormEdit();
  const UserSteps user({{[&] { return dialog.Self.Visible() && dialog.Edit1.Enabled(); },
                         [&] {
                           EXPECT_EQ(dialog.Edit2.Text(), number);
                           dialog.Edit1.SetText("Bakkerij Korenaar BV");
                           Click(anna.program.windows.EditForm(), "Button2");
                         }}});
  anna.List().OnDblClick();
  ASSERT_TRUE(user.Done());
  ASSERT_TRUE(WaitUntil([&] { return calls::LineName(anna.List().Item(lines.front())) == "Bakkerij Korenaar BV"; }));
  for (int i : lines) EXPECT_EQ(calls::LineName(anna.List().Item(i)), "Bakkerij Korenaar BV") << i;
  EXPECT_EQ(anna.List().Count(), todaysCalls);
}

// Bert writes to Anna from his menu; Anna answers from the messages window.
TEST_F(WorkingDay, TwoUsersWriteToEachOtherAndNeitherIsOfferedTheirOwnName) {
  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));
  Desk& bert = Open("Bert");
  ASSERT_TRUE(bert.ConnectWithCalls(todaysCalls));
  anna.SignOn();
  bert.SignOn();
  ASSERT_TRUE(ServerKnows({"Anna", "Bert"}));

  // One user's message windows, and what the test saw in them.
  struct Side {
    explicit Side(Desk& desk)
        : messages(desk.program.windows.MSGForm()),
          view(desk.program.windows.FormMSG().RichOntvang),
          sendDialog(desk.program.windows.SentMSGForm()),
          send(desk.program.windows.FormSentMSG()) {}
    qt::QtDialogForm& messages;
    const ui::RichView& view;
    qt::QtDialogForm& sendDialog;
    const ui::FormSentMSGControls& send;
    std::vector<std::string> offered;
    std::string preselected;
    std::string shown;
  };
  Side a(anna);
  Side b(bert);
  auto namesIn = [](const Side& side) { return side.sendDialog.isVisible() && side.send.ComboBox1.Enabled(); };
  auto write = [](Side& side, const std::string& text) {
    ui::ComboBox& names = side.send.ComboBox1;
    side.offered = Items(names);
    if (names.ItemIndex() >= 0) side.preselected = names.Item(names.ItemIndex());
    if (names.ItemIndex() < 0) names.SetItemIndex(0);
    side.send.Memo1.SetText(text);
    Click(side.sendDialog, "Button2");
  };
  auto read = [](Side& side, const char* button) {
    side.shown = side.view.Text();
    Click(side.messages, button);
  };
  const UserSteps users({
      {[&] { return namesIn(b); }, [&] { write(b, "Hallo Anna, zie www.test.nl"); }},
      {[&] { return a.messages.isVisible(); }, [&] { read(a, "Button2"); }},  // Beantwoorden
      {[&] { return namesIn(a); }, [&] { write(a, "Hoi Bert"); }},
      {[&] { return b.messages.isVisible(); }, [&] { read(b, "Button1"); }},  // Sluiten
  });
  bert.Main().Sentmassage1.OnClick();
  ASSERT_TRUE(WaitUntil([&] { return users.Done() && !a.messages.isVisible() && !b.messages.isVisible(); }))
      << "steps taken: " << users.Taken();

  EXPECT_EQ(b.offered, std::vector<std::string>{"Anna"});
  EXPECT_EQ(a.offered, std::vector<std::string>{"Bert"});
  EXPECT_EQ(a.preselected, "Bert") << "the one who wrote is chosen for the answer";
  const std::string rule = "\r\n" + std::string(55, '-') + "\r\n";
  EXPECT_EQ(a.shown.rfind(rule + "Bericht van : Bert  (", 0), 0u) << a.shown;
  EXPECT_TRUE(a.shown.ends_with(")\r\n\r\nHallo Anna, zie www.test.nl")) << a.shown;
  EXPECT_EQ(b.shown.rfind(rule + "Bericht van : Anna  (", 0), 0u) << b.shown;
  EXPECT_TRUE(b.shown.ends_with(")\r\n\r\nHoi Bert")) << b.shown;
}

TEST_F(WorkingDay, ASecondUserUnderANameInUseIsToldAndForgetsIt) {
  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));
  anna.SignOn();
  ASSERT_TRUE(ServerKnows({"Anna"}));
  Desk& second = Open("Anna");
  ASSERT_TRUE(second.ConnectWithCalls(todaysCalls));

  QString told;
  const UserSteps user({{[] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
                         [&] {
                           auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                           told = box->text();
                           box->button(QMessageBox::Ok)->click();
                         }}});
  second.SignOn();
  ASSERT_TRUE(WaitUntil([&] { return user.Done() && QApplication::activeModalWidget() == nullptr; }));
  EXPECT_EQ(told, "Your Nickname already excists!");
  EXPECT_EQ(second.program.windows.FormSetup().Edit2.Text(), "");
  EXPECT_EQ(second.StoredNickname(), "");
  EXPECT_EQ(server->Nicknames(), std::vector<std::string>{"Anna"});
}

TEST_F(WorkingDay, TheSettingsDialogDropsTheLinkAndItsOkReconnects) {
  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.Connect());
  std::string whileOpen;
  const UserSteps user({{[&] { return anna.program.windows.SetupForm().isVisible(); },
                         [&] {
                           whileOpen = anna.Panel(0);
                           Click(anna.program.windows.SetupForm(), "Button1");
                         }}});
  anna.Main().Setup1.OnClick();
  ASSERT_TRUE(user.Done());
  EXPECT_EQ(whileOpen, "  Geen verbinding");
  EXPECT_EQ(anna.program.socket.Host(), "127.0.0.1");
  ASSERT_TRUE(WaitUntil([&] { return anna.Panel(0) == "   Verbonden"; })) << anna.Panel(0);
}

// Where the desktop hands a tel: address.
class Softphone : public QObject {
  Q_OBJECT

 public:
  Q_SLOT void Dial(const QUrl& address) { dialled.push_back(address.toString()); }
  std::vector<QString> dialled;
};

TEST_F(WorkingDay, ARightClickOnALineAndTerugbellenHandTheNumberToTheSoftphone) {
  // A desktop whose xdg-mime names a program for tel: addresses.
  const QString bin = dir.filePath("bin");
  ASSERT_TRUE(QDir().mkpath(bin));
  QFile xdgMime(bin + "/xdg-mime");
  ASSERT_TRUE(xdgMime.open(QIODevice::WriteOnly));
  xdgMime.write("#!/bin/sh\necho softphone.desktop\n");
  xdgMime.close();
  xdgMime.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.toLocal8Bit() + ":" + path);
  Softphone softphone;
  QDesktopServices::setUrlHandler("tel", &softphone, "Dial");

  Desk& anna = Open("Anna");
  ASSERT_TRUE(anna.ConnectWithCalls(todaysCalls));
  server->InjectCall("020 123 45 67", "lijn 2");
  ASSERT_TRUE(WaitUntil([&] { return anna.List().Count() == todaysCalls + 1; })) << anna.List().Count();
  auto& list = dynamic_cast<QListView&>(anna.List());
  const QPoint line = list.visualRect(list.model()->index(0, 0)).center();
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, line, list.viewport()->mapToGlobal(line));
  QApplication::sendEvent(list.viewport(), &rightClick);
  QMenu& menu = *anna.program.windows.MainForm().ContextMenu();
  ASSERT_TRUE(WaitUntil([&] { return menu.isVisible(); }));
  auto* callBack = menu.findChild<QAction*>("CallBack1");
  ASSERT_NE(callBack, nullptr);
  EXPECT_TRUE(callBack->isVisible() && callBack->isEnabled());
  EXPECT_EQ(anna.List().ItemIndex(), 0);
  menu.close();
  callBack->trigger();
  QDesktopServices::unsetUrlHandler("tel");
  qputenv("PATH", path);
  EXPECT_EQ(softphone.dialled, std::vector<QString>{"tel:0201234567"});
}

}  // namespace
}  // namespace ringlook::e2e

#include "EndToEndTest.moc"
