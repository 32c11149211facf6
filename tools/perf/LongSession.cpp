// The long session: see LongSession.h.
#include "LongSession.h"

#include <malloc.h>
#include <QAbstractItemView>
#include <QTimer>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "BenchDatabase.h"
#include "ChildProcess.h"
#include "ProgramSettings.h"
#include "ProgramWait.h"
#include "ServerThread.h"
#include "main/TFormRinglook.h"
#include "qt/QtProgram.h"
#include "server/DemoData.h"
#include "server/RingServer.h"

namespace ringlook::perf {

namespace {

constexpr const char* kNickname = "Lang";
constexpr int kStepTimeoutMs = 10000;
constexpr int kNicknameTimeoutMs = 70000;
// What the allocator may keep beyond the bytes held: arenas of the threads and
// Qt's caches settle during the first round, the rest is what a leak would add to.
constexpr double kSlackMiB = 4.0;
constexpr double kHeldBytesFactor = 3.0;

double MiB(double bytes) { return bytes / (1024.0 * 1024.0); }

class LongSession {
 public:
  LongSession(const QString& workFolder, const QString& database)
      : server_(database, 0),
        program_(PrepareProgram(workFolder, server_.Port())),
        controls_(program_.windows.FormRinglook()),
        list_(Find<QAbstractItemView>(program_.windows.MainForm(), "ListBox1")) {
    QObject::connect(list_.model(), &QAbstractItemModel::modelReset, [this] { ++resets_; });
    // A reader who closes the messages window as soon as it shows.
    QObject::connect(&reader_, &QTimer::timeout, [this] {
      if (!program_.windows.MSGForm().isVisible()) return;
      ++messagesRead_;
      program_.windows.FormMSG().Self.Close(ui::ModalResult::Cancel);
    });
    reader_.start(20);
  }

  void Start() {
    program_.Start();
    if (!WaitUntil([this] { return !program_.logic.formRinglook.FirstActivation; }, 1000)) {
      program_.logic.formRinglook.FormActivate();
    }
    Expect(WaitUntil([this] { return controls_.StatusBar1.PanelText(0) == status::kConnected; }, kStepTimeoutMs),
           "the program did not connect");
    // Messages reach the program only once the server knows its nickname,
    // which the program tells it once a minute.
    Expect(WaitUntil([this] { return KnownToTheServer(); }, kNicknameTimeoutMs),
           "the server did not learn the nickname");
    // Searches close their bar here, not the idle timer in the middle of one.
    controls_.Timer2.SetEnabled(false);
    program_.windows.MainForm().showNormal();
  }

  void Round(const LongSessionPlan& plan) {
    const auto& entries = server::DemoEntries();
    for (int i = 0; i < plan.CallsPerRound; ++i) {
      const std::string number(entries[static_cast<std::size_t>(calls_++) % entries.size()].Number);
      const int before = Lines();
      server_.Run([&number](server::RingServer& server) { server.InjectCall(number, "lijn 1"); });
      if (!WaitUntil([this, before] { return Lines() == before + 1; }, kStepTimeoutMs)) {
        throw std::runtime_error("long session: call " + std::to_string(calls_) + " did not arrive: " +
                                 std::to_string(Lines()) + " lines after " + std::to_string(before));
      }
    }
    for (int i = 0; i < plan.SearchesPerRound; ++i) Search();
    for (int i = 0; i < plan.MessagesPerRound; ++i) {
      const int before = messagesRead_;
      const std::string body = "Bericht " + std::to_string(++messages_) + ": bel mevrouw terug op www.example.nl";
      server_.Run([&body](server::RingServer& server) { server.Deliver(kNickname, "Collega", body); });
      Expect(WaitUntil([this, before] { return messagesRead_ > before; }, kStepTimeoutMs), "a message did not show");
    }
  }

  // What the windows hold that a user can still see.
  [[nodiscard]] double HeldBytes() const {
    double bytes = 0;
    for (int i = 0; i < controls_.ListBox1.Count(); ++i)
      bytes += static_cast<double>(controls_.ListBox1.Item(i).size());
    return bytes + static_cast<double>(program_.windows.FormMSG().RichOntvang.Text().size());
  }
  // The user empties the messages window with "Wissen".
  void EmptyMessages() { program_.windows.FormMSG().Button3.OnClick(); }
  [[nodiscard]] int Lines() const { return list_.model()->rowCount(); }
  [[nodiscard]] int Calls() const { return calls_; }
  [[nodiscard]] int Searches() const { return searches_; }
  [[nodiscard]] int Messages() const { return messages_; }

 private:
  static void Expect(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("long session: ") + what);
  }

  [[nodiscard]] bool KnownToTheServer() {
    bool known = false;
    server_.Run([&known](server::RingServer& server) {
      for (const std::string& nickname : server.Nicknames()) known = known || nickname == kNickname;
    });
    return known;
  }

  // A search for a name among today's callers, then "Sluiten", which brings today's calls back.
  void Search() {
    const int callsToday = Lines();
    controls_.Find1.OnClick();
    controls_.Edit1.SetText(std::string(server::DemoEntries().front().Name.substr(0, 4)));
    int resets = resets_;
    controls_.Button2.OnClick();
    Expect(WaitUntil([this, resets] { return resets_ > resets && Lines() > 0; }, kStepTimeoutMs),
           "a search found nothing");
    resets = resets_;
    controls_.Button1.OnClick();
    if (!WaitUntil([this, resets, callsToday] { return resets_ > resets && Lines() == callsToday; }, kStepTimeoutMs)) {
      throw std::runtime_error("long session: " + std::to_string(Lines()) + " of today's " +
                               std::to_string(callsToday) + " calls came back after a search");
    }
    ++searches_;
  }

  static qt::QtProgram::Options PrepareProgram(const QString& workFolder, quint16 port) {
    const QString config = workFolder + "/long-session-config";
    testing::WriteProgramSettings(config, kNickname);
    return {config, port, "/usr/bin/ringlook"};
  }

  ServerThread server_;
  qt::QtProgram program_;
  const ui::FormRinglookControls& controls_;
  QAbstractItemView& list_;
  QTimer reader_;
  int resets_ = 0;
  int messagesRead_ = 0;
  int calls_ = 0;
  int searches_ = 0;
  int messages_ = 0;
};

double ResidentMiB() { return static_cast<double>(StatusValue("/proc/self/status", "VmRSS")) / 1024.0; }

}  // namespace

Row MeasureLongSession(const QString& workFolder, const LongSessionPlan& plan) {
  const QString database = workFolder + "/long-session.db";
  CreateBenchDatabase(database, 0);
  LongSession session(workFolder, database);
  session.Start();
  double firstResident = 0;
  double firstHeld = 0;
  double resident = 0;
  double held = 0;
  for (int round = 1; round <= plan.Rounds; ++round) {
    session.Round(plan);
    // Freed memory the allocator still keeps is not the program's.
    malloc_trim(0);
    resident = ResidentMiB();
    held = MiB(session.HeldBytes());
    if (round == 1) {
      firstResident = resident;
      firstHeld = held;
    }
    std::fprintf(stderr, "round %d: %d calls, %d searches, %d messages; %d lines, held %.2f MiB, resident %.1f MiB\n",
                 round, session.Calls(), session.Searches(), session.Messages(), session.Lines(), held, resident);
  }
  session.EmptyMessages();
  malloc_trim(0);
  const double emptied = ResidentMiB();
  const double grown = resident - firstResident;
  const double heldGrown = held - firstHeld;
  const double budget = kHeldBytesFactor * heldGrown + kSlackMiB;
  char note[200];
  std::snprintf(note, sizeof note,
                "%d calls, %d searches, %d messages; floor: what the list and messages window came to hold; "
                "%.1f MiB once the messages window is emptied",
                session.Calls(), session.Searches(), session.Messages(), emptied);
  return {"long session: resident memory grown after round 1",
          grown,
          heldGrown,
          heldGrown > 0 ? grown / heldGrown : 0.0,
          "MiB",
          "<= 3 x held + " + std::to_string(static_cast<int>(kSlackMiB)) + " MiB",
          grown <= budget,
          note};
}

}  // namespace ringlook::perf
