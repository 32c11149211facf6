// The whole program against a hostile server on 127.0.0.1: streams that never
// pause, control and high bytes, texts cut at every byte, single fields of
// megabytes, a history of 100,000 calls, a reset in the middle of a burst, a
// server that never sends and a name list of 10,000 users. After each, the
// program shows what it should, answers the next text within a deadline that
// only a hang misses, and its memory stays under a stated bound.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "EventLoopWait.h"
#include "PrivateBus.h"
#include "ProgramSettings.h"
#include "ResidentMemory.h"
#include "ScriptedServer.h"
#include "StreamByte.h"
#include "UserSteps.h"
#include "calls/CallerLine.h"
#include "common/Text.h"
#include "net/Receiver.h"
#include "qt/Cp1252.h"
#include "qt/QtProgram.h"

namespace ringlook {
namespace {

using testing::kQuietMs;
using testing::PeakResidentBytes;
using testing::ScriptedPeer;
using testing::StreamByte;
using testing::WaitUntil;

constexpr std::size_t kMiB = std::size_t{1} << 20;
// A program that takes longer than this to handle one text has hung for its
// user. Only a hang misses it; how fast the program is goes in the report.
constexpr int kResponsiveMs = 10000;
// Long enough for the largest case to cross the loopback under the sanitizers.
constexpr int kBigCaseMs = 60000;

// The growth of the peak resident memory from its construction on.
class PeakGrowth {
 public:
  PeakGrowth() {
    testing::ResetPeakResident();
    base_ = testing::ResidentBytes();
  }
  [[nodiscard]] std::size_t Bytes() const {
    const std::size_t peak = PeakResidentBytes();
    return peak > base_ ? peak - base_ : 0;
  }

 private:
  std::size_t base_ = 0;
};

void ExpectGrowthBelow(const PeakGrowth& growth, std::size_t bound) {
  const std::size_t bytes = growth.Bytes();
  ::testing::Test::RecordProperty("peak_memory_growth_bytes", std::to_string(bytes));
  ::testing::Test::RecordProperty("memory_bound_bytes", std::to_string(bound));
  if (testing::kPeakMemoryTellsUse) {
    EXPECT_LT(bytes, bound) << "peak memory growth " << bytes << " bytes";
  }
}

class HostileServer : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    testing::WriteProgramSettings(dir.filePath("config"), "Anna");
    program = std::make_unique<qt::QtProgram>(
        qt::QtProgram::Options{
            .configFolder = dir.filePath("config"), .port = server.Port(), .programPath = "/usr/bin/ringlook"},
        NotificationBus());
  }

  // Where the program looks for the notification service.
  virtual QDBusConnection NotificationBus() { return QDBusConnection::sessionBus(); }

  // Starts the program against script, which begins when the program has
  // connected and asked for today's calls.
  void Connect(const std::function<void(ScriptedPeer&)>& script) {
    server.Play([script](ScriptedPeer& peer) {
      if (peer.ReceiveUntil("HISTORY").find("HISTORY") == std::string::npos) {
        ADD_FAILURE() << "no history request";
        return;
      }
      script(peer);
    });
    program->windows.MainForm().show();
    program->logic.formRinglook.FormActivate();
    ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "   Verbonden"; })) << Panel(0);
  }

  // Past the start-up window, where a failure is shown rather than retried in silence.
  void LeaveStartupWindow() const { program->logic.formRinglook.Link().StartAt(program->clock.Now() - 1.0); }

  // The user brings the main window up, so that it lays out and paints what it holds.
  void BringUpMainWindow() const {
    program->application.Restore();
    program->windows.MainForm().show();
  }

  // Cues the script's next text and waits until the program shows it: a
  // program still busy with the text before has hung.
  void ExpectResponsive(const std::function<bool()>& shown) {
    QElapsedTimer elapsed;
    elapsed.start();
    server.Cue();
    EXPECT_TRUE(WaitUntil(shown, kResponsiveMs)) << "the program did not take the next text";
    RecordProperty("next_text_handled_ms", std::to_string(elapsed.elapsed()));
  }

  // The script's next text goes out once the program shows the one before: a
  // program too busy to read for a while would otherwise take the two as one.
  void CueWhenShown(const std::function<bool()>& shown) {
    ASSERT_TRUE(WaitUntil(shown));
    server.Cue();
  }

  // The messages window as a reader who closes it as soon as it shows.
  void CloseMessagesWhenShown() {
    QObject::connect(&reader, &QTimer::timeout, [this] {
      if (!program->windows.MSGForm().isVisible()) return;
      ++messageShowings;
      shownMessages = program->windows.FormMSG().RichOntvang.Text();
      program->windows.FormMSG().Self.Close(ui::ModalResult::Cancel);
    });
    reader.start(20);
  }

  [[nodiscard]] std::string Panel(int i) const { return program->windows.FormRinglook().StatusBar1.PanelText(i); }
  // Panel 1 as the window shows it.
  [[nodiscard]] std::string ShownPanel1() const {
    const auto* label = program->windows.MainForm().findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    return label ? qt::ToCp1252(label->text()) : std::string();
  }
  [[nodiscard]] ui::ListBox& List() const { return program->windows.FormRinglook().ListBox1; }
  [[nodiscard]] std::string TopNumber() const { return List().Count() > 0 ? calls::LineNumber(List().Item(0)) : ""; }

  QTemporaryDir dir;
  testing::ScriptedServer server;
  // After the server: goes first, so that a script still sending sees the connection end.
  std::unique_ptr<qt::QtProgram> program;
  QTimer reader;
  int messageShowings = 0;
  std::string shownMessages;
};

// A server that never pauses, writing as fast as the client reads: the program
// hands on bounded texts, keeps reading, and takes the text that follows the
// first pause.
TEST_F(HostileServer, AStreamWithoutPausesIsTakenInBoundedTextsAndReadingGoesOn) {
  constexpr std::size_t kStreamBytes = 2 * net::kMaxMessageBytes + kMiB;
  // The text being collected with its string's spare room, and the one being dispatched.
  constexpr std::size_t kMemoryBound = 4 * net::kMaxMessageBytes;
  const PeakGrowth growth;
  Connect([](ScriptedPeer& peer) {
    if (!peer.Send("NIEUW^Stroom^0^zonder pauze^0611111111^1^")) return;
    if (!peer.Stream(kStreamBytes, StreamByte)) return;
    peer.Pause(kQuietMs);
    peer.SendText("UPDATEBELLERS^42");
  });
  ASSERT_TRUE(WaitUntil([&] { return Panel(1) == "  Caller(s) today : 42"; }, kBigCaseMs)) << Panel(1).substr(0, 80);
  EXPECT_EQ(List().Count(), 1);
  EXPECT_EQ(TopNumber(), "0611111111");
  EXPECT_EQ(Panel(0), "   Verbonden");
  ExpectGrowthBelow(growth, kMemoryBound);
}

// The user double-clicks a line while a text trickles in: the edit dialog,
// opened inside the wait for that text, gets its reply, the text shows, and a
// call that comes meanwhile comes on its own. "Ok" saves the entry the dialog
// shows. The trickle is written from the test's own thread by a timer of the
// loop that runs the settle wait: however late that loop runs, a byte that is
// due goes out (and is waiting to be read) before a settle wait due after it
// ends, so the text is one on any machine. The script goes on at cues only.
TEST_F(HostileServer, ADialogOpenedWhileATextTricklesInGetsItsOwnReply) {
  auto trickler = std::make_shared<std::atomic<ScriptedPeer*>>(nullptr);
  auto saved = std::make_shared<std::string>();
  Connect([trickler, saved](ScriptedPeer& peer) {
    peer.SendText("HISTORY^Ann^0^lijn 1^0123^1^~Bob^0^lijn 2^0456^2^~");
    *trickler = &peer;
    peer.ReceiveUntil("GET^0123");
    peer.WaitForCue();
    peer.SendText("REPLYGET^0123^Ann^bel terug^2^");
    peer.WaitForCue();
    peer.SendText("NIEUW^Carla^0^lijn 3^0789^3^");
    *saved = peer.ReceiveUntil("SET^");
    *saved += peer.ReceiveUntil("^2^");
  });
  BringUpMainWindow();
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == 2 && trickler->load() != nullptr; }));
  auto* list = program->windows.MainForm().findChild<QAbstractItemView*>(QStringLiteral("ListBox1"));
  ASSERT_NE(list, nullptr);
  const ui::FormEditControls& dialog = program->windows.FormEdit();
  // Digits go on coming until the dialog has been open a while.
  std::string digits;
  int whileOpen = 0;
  QTimer trickle;
  trickle.setTimerType(Qt::PreciseTimer);
  QObject::connect(&trickle, &QTimer::timeout, [&] {
    if (dialog.Self.Visible() && ++whileOpen == 10) trickle.stop();
    const std::string digit = std::to_string(digits.size() % 10);
    trickler->load()->Send(digits.empty() ? "UPDATEBELLERS^" + digit : digit);
    digits += digit;
  });
  trickle.start(20);
  std::string countWhileOpen;
  std::string nameWhileOpen;
  std::string topWhileOpen;
  const testing::UserSteps user({
      {[&] { return program->settleTimer.Enabled(); }, [&] { testing::DoubleClickLine(*list, 0); }},
      {[&] { return dialog.Self.Visible() && Panel(1).starts_with("  Caller(s) today : "); },
       [&] {
         countWhileOpen = Panel(1);
         server.Cue();
       }},
      {[&] { return dialog.Self.Visible() && dialog.Button2.Enabled(); },
       [&] {
         nameWhileOpen = dialog.Edit1.Text();
         server.Cue();
       }},
      {[&] { return dialog.Self.Visible() && TopNumber() == "0789"; },
       [&] {
         topWhileOpen = TopNumber();
         testing::Click(program->windows.EditForm(), "Button2");
       }},
  });
  ASSERT_TRUE(WaitUntil([&] { return user.Done() && server.Done(); })) << user.Taken() << " steps taken";
  EXPECT_EQ(countWhileOpen, "  Caller(s) today : " + digits);
  EXPECT_EQ(nameWhileOpen, "Ann");
  EXPECT_EQ(topWhileOpen, "0789");
  EXPECT_EQ(*saved, "SET^0123^Ann^bel terug^2^");
  EXPECT_EQ(List().Count(), 3);
}

// Every byte value from 0 to 255 reaches the list, the status bar, the title
// and the messages window as it came (a lone CR or LF in a message is a line
// break there, and left out here).
TEST_F(HostileServer, ControlAndHighBytesArriveUnchanged) {
  std::string name = "<";
  for (int c = 0; c < 0x20; ++c) name += static_cast<char>(c);
  name += "\x7f>";
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  std::string everyByte;
  for (int c = 0; c <= 0xFF; ++c) everyByte += static_cast<char>(c);
  std::string body = everyByte;
  std::erase_if(body, [](char c) { return c == '\r' || c == '\n'; });
  const std::string number = high.substr(0, 16);
  Connect([=](ScriptedPeer& peer) {
    peer.SendText("NIEUW^" + name + "^2^" + high.substr(16, 16) + "^" + number + "^9^");
    peer.WaitForCue();
    peer.SendText("UPDATEBELLERS^" + everyByte);
    peer.WaitForCue();
    peer.SendText("MSG^" + high.substr(32) + "^" + body);
    peer.WaitForCue();
    peer.Send("UPDATEBELLERS^klaar");
  });
  CueWhenShown([&] { return List().Count() == 1; });
  ASSERT_TRUE(WaitUntil([&] { return Panel(1) == "  Caller(s) today : " + everyByte; }));
  EXPECT_EQ(ShownPanel1(), Panel(1));
  CloseMessagesWhenShown();
  server.Cue();
  ASSERT_TRUE(WaitUntil([&] { return messageShowings == 1; }));
  ExpectResponsive([&] { return Panel(1) == "  Caller(s) today : klaar"; });

  ASSERT_EQ(List().Count(), 1);
  const std::string line = List().Item(0);
  EXPECT_EQ(line.substr(0, name.size()), name);
  EXPECT_EQ(line.substr(38, 2), "x ");
  EXPECT_EQ(line.substr(40, 16), high.substr(16, 16));
  EXPECT_EQ(calls::LineNumber(line), number);
  EXPECT_EQ(program->application.Title(), "x " + name);
  EXPECT_EQ(qt::ToCp1252(program->windows.MainForm().windowIconText()), "x " + name);
  EXPECT_EQ(program->logic.formSentMSG.LastCorrespondent(), high.substr(32));
  EXPECT_TRUE(shownMessages.ends_with(")\r\n\r\n" + body)) << shownMessages;
}

// A caller record of today's list with a number of its own for every n.
std::string Record(int n) {
  const std::string digits = std::to_string(1000000 + n);
  return "Beller " + digits + "^" + std::to_string(n % 3) + "^lijn " + std::to_string(n % 4 + 1) + " 09:05^06" +
         digits + "^" + std::to_string(n + 1) + "^~";
}

std::string HistoryOf(int records) {
  std::string history = "HISTORY^";
  for (int n = 0; n < records; ++n) history += Record(n);
  return history;
}

// The list holds every call the server sends; what a line costs is in the report.
TEST_F(HostileServer, AHistoryOfAHundredThousandCallsFillsTheList) {
  constexpr int kCalls = 100000;
  // The text as collected (a string that doubles as it grows), the server's
  // copy, and the list: a line in QListWidget costs a few hundred bytes.
  constexpr std::size_t kMemoryBound = 96 * kMiB;
  const PeakGrowth growth;
  Connect([](ScriptedPeer& peer) {
    peer.SendText(HistoryOf(kCalls));
    peer.WaitForCue();
    peer.SendText("NIEUW^Nieuwe beller^0^lijn 1^0699999999^100001^");
    peer.WaitForCue();
    peer.SendText("WIJZIG^06" + std::to_string(1000000 + kCalls - 1) + "^Laatste beller^2^");
  });
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == kCalls; }, kBigCaseMs)) << List().Count();
  RecordProperty("list_lines", kCalls);
  ExpectGrowthBelow(growth, kMemoryBound);
  EXPECT_EQ(calls::LineName(List().Item(0)), "Beller 1000000");
  EXPECT_EQ(calls::LineNumber(List().Item(kCalls - 1)), "06" + std::to_string(1000000 + kCalls - 1));
  EXPECT_EQ(Panel(1), "  Aantal (vandaag) : " + std::to_string(kCalls));
  BringUpMainWindow();
  ExpectResponsive([&] { return List().Count() == kCalls + 1 && TopNumber() == "0699999999"; });
  server.Cue();
  ASSERT_TRUE(WaitUntil([&] { return calls::LineName(List().Item(kCalls)) == "Laatste beller"; }, kResponsiveMs));
  EXPECT_EQ(List().Item(kCalls).substr(38, 2), "x ");
}

// A reset while a burst is still coming: the status bar says so, and what
// came of the burst does not stay behind in the list of a lost connection.
TEST_F(HostileServer, AResetInTheMiddleOfABurstShowsTheLostConnection) {
  const std::string history = HistoryOf(2000);
  Connect([history](ScriptedPeer& peer) {
    peer.WaitForCue();
    peer.Send(std::string_view(history).substr(0, history.size() / 2));
    peer.Reset();
  });
  LeaveStartupWindow();
  server.Cue();
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "  Geen verbinding"; })) << Panel(0);
  EXPECT_EQ(Panel(2), "Error : 10054");
  EXPECT_EQ(program->windows.FormRinglook().StatusBar1.PanelBevel(0), ui::Bevel::Raised);
  testing::RunEventsFor(kQuietMs);
  EXPECT_EQ(List().Count(), 0);

  server.Play([history](ScriptedPeer& peer) {
    peer.ReceiveUntil("HISTORY");
    peer.SendText(history);
  });
  program->windows.FormRinglook().StatusBar1.OnClick();
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == 2000; })) << List().Count();
  EXPECT_EQ(Panel(0), "   Verbonden");
  EXPECT_EQ(Panel(2), "      F1 = Help");
}

// The server closes in order, and the window comes up to say so: the user's
// first click on the status bar connects again.
TEST_F(HostileServer, OneClickOnTheStatusBarConnectsAgainAfterTheServerClosed) {
  Connect([](ScriptedPeer& peer) {
    peer.SendText("HISTORY^Ann^0^lijn 1^0123^1^~");
    peer.WaitForCue();
    peer.CloseInOrder();
  });
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == 1; }));
  server.Cue();
  ASSERT_TRUE(WaitUntil([&] { return Panel(0) == "  Geen verbinding" && !program->application.Minimized(); }));
  EXPECT_EQ(program->windows.FormRinglook().StatusBar1.PanelBevel(0), ui::Bevel::Raised);
  EXPECT_EQ(List().Count(), 0);
  server.Play([](ScriptedPeer& peer) {
    peer.ReceiveUntil("HISTORY");
    peer.SendText("HISTORY^Ann^0^lijn 1^0123^1^~Bob^0^lijn 2^0456^2^~");
  });
  auto* statusBar = program->windows.MainForm().findChild<QWidget*>(QStringLiteral("StatusBar1"));
  ASSERT_NE(statusBar, nullptr);
  QTest::mouseClick(statusBar, Qt::LeftButton, {}, QPoint(20, statusBar->height() / 2));
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == 2; })) << Panel(0);
  EXPECT_EQ(Panel(0), "   Verbonden");
}

// A desktop whose notification service offers actions, on a bus of the test's own.
class CallNotifications : public HostileServer {
 public:
  QDBusConnection NotificationBus() override { return bus.Connect("program"); }

  testing::PrivateBus bus;
  testing::NotificationService service{bus.Connect("service"), true};
};

// An alert caller's notification: its click shows the window with that
// caller's line chosen, and its "Wijzigen" asks for the entry and opens it.
TEST_F(CallNotifications, AClickShowsTheCallersLineAndWijzigenOpensItsEntry) {
  ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon is missing (Debian package dbus-daemon)";
  auto asked = std::make_shared<std::atomic<bool>>(false);
  Connect([asked](ScriptedPeer& peer) {
    peer.SendText("HISTORY^Ann^0^lijn 1^0123^1^~");
    peer.WaitForCue();
    peer.SendText("NIEUW^Carla^2^lijn 3^0789^2^");
    peer.WaitForCue();
    peer.SendText("NIEUW^Dirk^0^lijn 2^0456^3^");
    *asked = peer.ReceiveUntil("GET^0789").find("GET^0789") != std::string::npos;
    peer.SendText("REPLYGET^0789^Carla^belt vaak^2^");
  });
  CueWhenShown([&] { return List().Count() == 1; });
  CueWhenShown([&] { return List().Count() == 2; });
  ASSERT_TRUE(WaitUntil([&] { return List().Count() == 3 && !service.calls.empty(); }));
  const testing::NotificationService::Call& call = service.calls.front();
  EXPECT_EQ(call.body, "0789");
  EXPECT_EQ(call.hints.value("urgency").toInt(), 2);
  program->application.Minimize();

  service.Click(call.id, "default", "token-7");
  ASSERT_TRUE(WaitUntil([&] { return List().ItemIndex() == 1; })) << List().ItemIndex();
  EXPECT_EQ(calls::LineNumber(List().Item(1)), "0789");
  EXPECT_FALSE(program->application.Minimized());
  EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-7");

  const ui::FormEditControls& dialog = program->windows.FormEdit();
  std::string shownName;
  const testing::UserSteps user({{[&] { return dialog.Self.Visible() && dialog.Button2.Enabled(); },
                                  [&] {
                                    shownName = dialog.Edit1.Text();
                                    testing::Click(program->windows.EditForm(), "Button1");
                                  }}});
  service.Click(call.id, "wijzigen");
  ASSERT_TRUE(WaitUntil([&] { return user.Done() && !dialog.Self.Visible(); }));
  EXPECT_TRUE(asked->load());
  EXPECT_EQ(shownName, "Carla");
}

// A server that takes the connection and never says a word: the program stays
// connected and usable. The search waits for a reply that never comes, and
// still does once the bar has closed and opened again; Enter searches again.
TEST_F(HostileServer, AServerThatNeverSendsLeavesTheProgramUsable) {
  auto searches = std::make_shared<std::atomic<int>>(0);
  auto askedAgain = std::make_shared<std::atomic<bool>>(false);
  Connect([searches, askedAgain](ScriptedPeer& peer) {
    if (peer.ReceiveUntil("FIND^BAKKER").find("FIND^BAKKER") != std::string::npos) ++*searches;
    *askedAgain = peer.ReceiveUntil("HISTORY").find("HISTORY") != std::string::npos;
    if (peer.ReceiveUntil("FIND^BAKKER").find("FIND^BAKKER") != std::string::npos) ++*searches;
    peer.WaitForCue();
  });
  testing::RunEventsFor(2 * kQuietMs);
  EXPECT_EQ(Panel(0), "   Verbonden");
  EXPECT_EQ(List().Count(), 0);
  const ui::FormRinglookControls& bar = program->windows.FormRinglook();
  bar.Find1.OnClick();
  bar.Edit1.SetText("bakker");
  bar.Button2.OnClick();
  ASSERT_TRUE(WaitUntil([&] { return *searches == 1; }));
  bar.Button1.OnClick();
  ASSERT_TRUE(WaitUntil([&] { return askedAgain->load(); }));
  bar.Find1.OnClick();
  EXPECT_FALSE(bar.Button2.Enabled()) << "the search still waits for its reply";
  char enter = '\r';
  bar.Edit1.OnKeyPress(enter);
  EXPECT_TRUE(WaitUntil([&] { return *searches == 2; }));
  EXPECT_EQ(Panel(0), "   Verbonden");
  server.Cue();
}

// The send dialog with 10,000 other users, sent in the order that costs a
// sorted list the most.
TEST_F(HostileServer, ANameListOfTenThousandNamesFillsTheSendDialog) {
  constexpr int kNames = 10000;
  auto name = [](int n) { return "gebruiker " + std::to_string(100000 + n); };
  std::string names = "NAMELIST^";
  for (int n = kNames - 1; n >= 0; --n) names += name(n) + "^";
  names += "Anna^";
  Connect([names](ScriptedPeer& peer) {
    peer.ReceiveUntil("NAMELIST^");
    peer.SendText(names);
  });
  program->logic.formSentMSG.SetLastCorrespondent(name(kNames / 2));
  const ui::FormSentMSGControls& dialog = program->windows.FormSentMSG();
  std::vector<std::string> listed;
  std::string chosen;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (!program->windows.SentMSGForm().isVisible() || dialog.ComboBox1.Count() < kNames) return;
    for (int i = 0; i < dialog.ComboBox1.Count(); ++i) listed.push_back(dialog.ComboBox1.Item(i));
    chosen = dialog.ComboBox1.Item(dialog.ComboBox1.ItemIndex());
    dialog.Self.Close(ui::ModalResult::Cancel);
  });
  user.start(20);
  QElapsedTimer elapsed;
  elapsed.start();
  program->logic.formRinglook.Sentmassage1Click();
  RecordProperty("dialog_filled_ms", std::to_string(elapsed.elapsed()));
  EXPECT_LT(elapsed.elapsed(), kResponsiveMs) << "the program hung on the list";
  ASSERT_EQ(listed.size(), std::size_t{kNames});
  EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end(),
                             [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); }));
  EXPECT_EQ(listed.front(), name(0));
  EXPECT_EQ(chosen, name(kNames / 2));
}

// A thousand messages in bursts as fast as the server can write them, while
// the messages window is open: every one reaches the one window (the texts of a
// burst come without a pause between them and are shown as one message), and
// the text after them is taken at once, as the view marks only what each
// append adds. A burst goes out once the one before is shown: a program slower
// than the server (under the sanitizers) would otherwise take two as one text.
TEST_F(HostileServer, AFloodOfMessagesReachesTheOpenWindow) {
  constexpr int kMessages = 1000;
  // A burst stays under what the view shows of one text.
  constexpr int kPerBurst = 100;
  constexpr int kBursts = kMessages / kPerBurst;
  // The texts, the view's document of them and its layout.
  constexpr std::size_t kMemoryBound = 64 * kMiB;
  auto message = [](int n) {
    return "bericht " + std::to_string(n) + " zie www.example.nl/" + std::to_string(n) + " ";
  };
  std::vector<std::string> bursts(kBursts);
  for (int n = 1; n <= kMessages; ++n) bursts[static_cast<std::size_t>((n - 1) / kPerBurst)] += "MSG^Bob^" + message(n);
  const PeakGrowth growth;
  Connect([bursts](ScriptedPeer& peer) {
    if (!peer.SendText("MSG^Bob^eerste")) return;
    for (const std::string& burst : bursts) {
      peer.WaitForCue();
      if (!peer.SendText(burst)) return;
    }
    peer.WaitForCue();
    peer.SendText("UPDATEBELLERS^44");
  });
  const ui::FormMSGControls& window = program->windows.FormMSG();
  int showings = 0;
  bool wasVisible = false;
  int released = 0;
  bool allShown = false;
  // The dispatch waits in the window's modal loop meanwhile, so the reader looks from within it.
  QTimer looker;
  QObject::connect(&looker, &QTimer::timeout, [&] {
    const bool visible = program->windows.MSGForm().isVisible();
    if (visible && !wasVisible) ++showings;
    wasVisible = visible;
    if (!visible) return;
    const std::string shown = window.RichOntvang.Text();
    const std::string last = released == 0 ? "eerste" : message(released * kPerBurst);
    if (released <= kBursts && shown.find(last) != std::string::npos) {
      ++released;
      server.Cue();
      return;
    }
    if (Panel(1) != "  Caller(s) today : 44") return;
    allShown = shown.find("eerste") != std::string::npos;
    for (int n = 1; n <= kMessages && allShown; ++n) allShown = shown.find(message(n)) != std::string::npos;
    window.Self.Close(ui::ModalResult::Cancel);
  });
  looker.start(20);
  // A second modal showing of the open window is refused by Qt with a warning only.
  static int recursiveShowings = 0;
  recursiveShowings = 0;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(QStringLiteral("Recursive call"))) ++recursiveShowings;
      });
  const bool done = WaitUntil(
      [&] { return Panel(1) == "  Caller(s) today : 44" && !program->windows.MSGForm().isVisible(); }, kBigCaseMs);
  qInstallMessageHandler(previous);
  ASSERT_TRUE(done) << released << " bursts released";
  EXPECT_EQ(showings, 1);
  EXPECT_EQ(recursiveShowings, 0);
  EXPECT_TRUE(allShown);
  ExpectGrowthBelow(growth, kMemoryBound);
}

// Each field as the program shows it, beside the field as sent.
using Fields = std::vector<std::pair<std::string, std::string>>;

// A text cut short, at any byte: what the program shows of each field is the
// start of what was sent, never more and never other bytes; the whole text
// then shows every field whole. The prefixes go straight to the program's
// dispatch, as the other cases show that a text after a pause reaches it.
struct CutText {
  const char* name;
  std::string text;
  std::function<Fields(const HostileServer&)> fields;
};

void PrintTo(const CutText& cut, std::ostream* out) { *out << cut.name; }

class CutTexts : public HostileServer, public ::testing::WithParamInterface<CutText> {};

std::string BodyOf(const std::string& block) {
  const std::size_t at = block.find("\r\n\r\n");
  return at == std::string::npos ? "" : block.substr(at + 4);
}

const CutText kCutTexts[] = {
    {"NewCall", "NIEUW^Ann de Vries^0^lijn 1^0612345678^17^",
     [](const HostileServer& t) {
       const std::string line = t.List().Item(0);
       return Fields{{calls::LineName(line), "Ann de Vries"}, {calls::LineNumber(line), "0612345678"}};
     }},
    {"History", "HISTORY^Ann^0^lijn 1^0611^3^~Bob^1^lijn 2^0622^4^~",
     [](const HostileServer& t) {
       return Fields{{calls::LineName(t.List().Item(0)), "Ann"},
                     {calls::LineNumber(t.List().Item(0)), "0611"},
                     {calls::LineName(t.List().Item(1)), "Bob"},
                     {calls::LineNumber(t.List().Item(1)), "0622"},
                     {t.List().Item(2), ""}};
     }},
    {"Message", "MSG^Ann^hallo daar",
     [](const HostileServer& t) {
       // Cut inside the sender, a message has no sender and shows what came as its body.
       const std::string& sender = t.program->logic.formSentMSG.LastCorrespondent();
       const std::string body = BodyOf(t.program->logic.formMSG.LastBlock());
       return Fields{{sender, "Ann"}, {sender.empty() ? "" : body, "hallo daar"}};
     }},
    {"NameList", "NAMELIST^Bob^Carla^",
     [](const HostileServer& t) {
       const ui::ComboBox& names = t.program->windows.FormSentMSG().ComboBox1;
       return Fields{{names.Item(0), "Bob"}, {names.Item(1), "Carla"}, {names.Item(2), ""}};
     }},
    {"NumberRecord", "REPLYGET^0612^Ann^notitie^0^",
     [](const HostileServer& t) {
       const ui::FormEditControls& dialog = t.program->windows.FormEdit();
       return Fields{{dialog.Edit2.Text(), "0612"}, {dialog.Edit1.Text(), "Ann"}, {dialog.Memo1.Text(), "notitie"}};
     }},
    {"CallersToday", "UPDATEBELLERS^1234",
     [](const HostileServer& t) {
       constexpr std::string_view kLabel = "  Caller(s) today : ";
       const std::string panel = t.Panel(1);
       return Fields{{panel.starts_with(kLabel) ? panel.substr(kLabel.size()) : "", "1234"}};
     }},
};

TEST_P(CutTexts, ShowTheStartOfEachField) {
  const CutText& cut = GetParam();
  CloseMessagesWhenShown();
  for (std::size_t length = 1; length <= cut.text.size(); ++length) {
    program->windows.FormSentMSG().ComboBox1.Clear();
    // The edit dialog waits for the entry of 0612, as after a double-click on its line.
    program->logic.formEdit.Prepare("0612", false);
    program->logic.formRinglook.Dispatch(cut.text.substr(0, length));
    for (const auto& [shown, sent] : cut.fields(*this)) {
      if (length == cut.text.size()) {
        EXPECT_EQ(shown, sent);
      } else {
        EXPECT_TRUE(sent.starts_with(shown)) << "cut after " << length << " bytes: shown \"" << shown << "\"";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(HostileServer, CutTexts, ::testing::ValuesIn(kCutTexts),
                         [](const ::testing::TestParamInfo<CutText>& param) { return param.param.name; });

// One text with a field of megabytes, made as it is sent.
struct HugeField {
  const char* name;
  std::string before;
  std::size_t bytes;
  char fill;
  std::string after;
  // What the user sees once the text is handled.
  std::function<bool(const HostileServer&)> shown;
  std::function<void(const HostileServer&)> check;
  // A dialog the field ends up in, which the user then opens.
  std::function<QWidget*(const qt::QtWindows&)> dialog = nullptr;
};

void PrintTo(const HugeField& field, std::ostream* out) { *out << field.name; }

class HugeFields : public HostileServer, public ::testing::WithParamInterface<HugeField> {};

// Under the longest text, so that the text is dispatched whole.
constexpr std::size_t kWholeField = 7 * kMiB;
// Over it: the first part of the text is dispatched as a message cut short,
// the rest as a text without a keyword.
constexpr std::size_t kCutField = net::kMaxMessageBytes + 2 * kMiB;

const HugeField kHugeFields[] = {
    {"NewCallNumber", "NIEUW^Ann^0^lijn 1^", kWholeField, '7', "^5^",
     [](const HostileServer& t) { return t.List().Count() == 1; },
     [](const HostileServer& t) {
       EXPECT_EQ(t.List().Item(0).size(), 66 + kWholeField) << "the line holds the whole number";
       EXPECT_EQ(t.Panel(1), "  Aantal (vandaag) : 5");
     }},
    {"NewCallNameCutShort", "NIEUW^", kCutField, 'A', "^0^lijn 1^0123^5^",
     [](const HostileServer& t) { return t.List().Count() == 1; },
     [](const HostileServer& t) {
       EXPECT_EQ(t.List().Item(0), std::string(66, ' '));
       EXPECT_EQ(t.Panel(1), "  Aantal (vandaag) : ");
       EXPECT_EQ(t.program->application.Title(), "");
     }},
    {"CallersToday", "UPDATEBELLERS^", kWholeField, '9', "",
     [](const HostileServer& t) { return t.Panel(1).size() == 20 + kWholeField; },
     [](const HostileServer& t) { EXPECT_TRUE(t.ShownPanel1().starts_with("  Caller(s) today : 999")); }},
    {"MessageBody", "MSG^Ann^", kWholeField, 'A', "", [](const HostileServer& t) { return t.messageShowings == 1; },
     [](const HostileServer& t) {
       EXPECT_TRUE(t.program->logic.formMSG.LastBlock().ends_with("\r\n\r\n" + std::string(kWholeField, 'A')));
       // The window shows the start of the text and says that there is more.
       EXPECT_LT(t.shownMessages.size(), qt::kShownTextLength + 200);
       EXPECT_TRUE(t.shownMessages.ends_with("AAAA\r\n(ingekort)"))
           << t.shownMessages.substr(t.shownMessages.size() - 40);
       EXPECT_TRUE(t.shownMessages.starts_with("\r\n" + std::string(55, '-') + "\r\nBericht van : Ann  ("));
       EXPECT_NE(t.shownMessages.find("\r\n\r\nAAAA"), std::string::npos);
     }},
    {"MessageSender", "MSG^", kWholeField, 'A', "^hallo", [](const HostileServer& t) { return t.messageShowings == 1; },
     [](const HostileServer& t) {
       EXPECT_EQ(t.program->logic.formSentMSG.LastCorrespondent().size(), kWholeField);
       EXPECT_TRUE(t.shownMessages.find("Bericht van : AAAA") != std::string::npos);
     }},
    {"UserName", "NAMELIST^", kWholeField, 'A', "^Bob^",
     [](const HostileServer& t) { return t.program->windows.FormSentMSG().ComboBox1.Count() == 2; },
     [](const HostileServer& t) {
       const ui::ComboBox& names = t.program->windows.FormSentMSG().ComboBox1;
       EXPECT_EQ(names.Item(0), std::string(kWholeField, 'A'));
       EXPECT_EQ(names.Item(1), "Bob");
     },
     [](const qt::QtWindows& windows) -> QWidget* { return &windows.SentMSGForm(); }},
    {"NumberNote", "REPLYGET^0123^Ann^", kWholeField, 'A', "^2^",
     [](const HostileServer& t) { return t.program->windows.FormEdit().Edit2.Text() == "0123"; },
     [](const HostileServer& t) {
       const ui::FormEditControls& dialog = t.program->windows.FormEdit();
       EXPECT_EQ(dialog.Edit1.Text(), "Ann");
       EXPECT_TRUE(dialog.Memo1.Text().starts_with("AAAA"));
       EXPECT_TRUE(dialog.CheckBox1.Checked());
       EXPECT_TRUE(dialog.Button2.Enabled());
     },
     [](const qt::QtWindows& windows) -> QWidget* { return &windows.EditForm(); }},
    {"HistoryNumber", "HISTORY^Ann^0^lijn 1^", kWholeField, '7', "^5^~Bob^0^lijn 2^0456^6^~",
     [](const HostileServer& t) { return t.List().Count() == 2; },
     [](const HostileServer& t) {
       EXPECT_EQ(t.List().Item(0).size(), 66 + kWholeField);
       EXPECT_EQ(calls::LineNumber(t.List().Item(1)), "0456");
       EXPECT_EQ(t.Panel(1), "  Aantal (vandaag) : 6");
     }},
};

TEST_P(HugeFields, AreShownWithoutHoldingTheProgram) {
  const HugeField& field = GetParam();
  // The text while it is collected and dispatched, the window state that keeps
  // the field, and a window's copy of it in UTF-16 (twice its bytes).
  const std::size_t memoryBound = 2 * net::kMaxMessageBytes + 4 * std::min(field.bytes, net::kMaxMessageBytes);
  const PeakGrowth growth;
  CloseMessagesWhenShown();
  // The dialog waits for the entry of 0123, as after a double-click on its line.
  program->logic.formEdit.Prepare("0123", false);
  Connect([&field](ScriptedPeer& peer) {
    if (!peer.Send(field.before) || !peer.Stream(field.bytes, [&field](std::size_t) { return field.fill; })) return;
    peer.SendText(field.after);
    peer.WaitForCue();
    peer.SendText("UPDATEBELLERS^volgende");
  });
  ASSERT_TRUE(WaitUntil([&] { return field.shown(*this); }, kBigCaseMs))
      << "panel 1 holds " << Panel(1).size() << " bytes, the list " << List().Count() << " lines";
  field.check(*this);
  BringUpMainWindow();
  if (field.dialog) field.dialog(program->windows)->show();
  ExpectResponsive([&] { return Panel(1) == "  Caller(s) today : volgende"; });
  ExpectGrowthBelow(growth, memoryBound);
}

INSTANTIATE_TEST_SUITE_P(HostileServer, HugeFields, ::testing::ValuesIn(kHugeFields),
                         [](const ::testing::TestParamInfo<HugeField>& param) { return param.param.name; });

}  // namespace
}  // namespace ringlook
