// The working week: see LongSession.h.
#include "LongSession.h"

#include <malloc.h>
#include <QAbstractItemView>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>

#include "BenchDatabase.h"
#include "ChildProcess.h"
#include "ProgramSettings.h"
#include "ProgramWait.h"
#include "main/TFormRinglook.h"
#include "qt/QtProgram.h"
#include "server/DemoData.h"

namespace ringlook::perf {

namespace {

constexpr const char* kNickname = "Lang";
constexpr int kMaxSendTries = 20;
constexpr quint16 kServerPort = 6661;
// Generous: under a heap profiler on a busy machine a step can take seconds.
constexpr int kStepTimeoutMs = 30000;
constexpr int kNicknameTimeoutMs = 70000;
constexpr int kAttempts = 3;
// What the week may grow by beyond what the windows came to hold.
constexpr double kWeekFactor = 2.0;
constexpr double kSlackMiB = 1.0;

double MiB(double bytes) { return bytes / (1024.0 * 1024.0); }

// The client's memory at one moment, after freed memory went back to the system where it could.
struct Mark {
  double Resident = 0;
  // Bytes the program has asked for and not freed.
  double InUse = 0;
  // Freed bytes the allocator keeps in its heaps (fragments it cannot give back).
  double Kept = 0;
  double Held = 0;
};

class LongSession {
 public:
  LongSession(const QString& workFolder, const QString& database, const std::string& serverProgram)
      : server_(std::make_unique<ChildProcess>(
            serverProgram, std::vector<std::string>{"--port", std::to_string(kServerPort), database.toStdString()},
            // A profiler's hook in this process stays out of the server.
            std::map<std::string, std::string>{{"LD_PRELOAD", ""}, {"DUMP_HEAPTRACK_OUTPUT", ""}}, true)),
        program_(PrepareProgram(workFolder)),
        controls_(program_.windows.FormRinglook()),
        list_(Find<QAbstractItemView>(program_.windows.MainForm(), "ListBox1")) {
    Expect(server_->WaitForLine("listening", kStepTimeoutMs).has_value(), "the server did not listen");
    QObject::connect(list_.model(), &QAbstractItemModel::modelReset, [this] { ++resets_; });
    // A reader who closes the messages window as soon as it shows.
    QObject::connect(&reader_, &QTimer::timeout, [this] {
      if (!program_.windows.MSGForm().isVisible()) return;
      ++messagesRead_;
      program_.windows.FormMSG().Self.Close(ui::ModalResult::Cancel);
    });
    reader_.start(20);
  }

  // Timer2 keeps running: its one expiry asks HISTORY, as it does at the desk.
  void Start() {
    program_.Start();
    if (!WaitUntil([this] { return !program_.logic.formRinglook.FirstActivationPending(); }, 1000)) {
      program_.logic.formRinglook.FormActivate();
    }
    Expect(WaitUntil([this] { return controls_.StatusBar1.PanelText(0) == status::kConnected; }, kStepTimeoutMs),
           "the program did not connect");
    WaitForNickname();
    program_.windows.MainForm().showNormal();
  }

  // Messages reach the program only once the server knows its nickname,
  // which the program tells it once a minute, and again after a reconnect.
  void WaitForNickname() {
    const Instant end = Clock::now() + std::chrono::milliseconds(kNicknameTimeoutMs);
    for (;;) {
      server_->TypeLine("who");
      // Only the name itself: one the server glued to a request ("LangFIND^...") is not it.
      if (server_->WaitForLine(std::string(" ") + kNickname, 200) &&
          server_->LineFound().ends_with(std::string(" ") + kNickname)) {
        break;
      }
      Expect(Clock::now() < end, "the server did not learn the nickname");
      RunEventsFor(800);
    }
  }

  // The server's day moves on: the next HISTORY holds only that day's calls.
  void NextDay() {
    server_->TypeLine("nextday");
    Expect(server_->WaitForLine("day ", kStepTimeoutMs).has_value(), "the server's day did not move");
    callsToday_ = 0;
  }

  void Hour(const LongSessionPlan& plan) {
    const auto& entries = server::DemoEntries();
    for (int i = 0; i < plan.CallsPerHour; ++i) {
      const std::string number(entries[static_cast<std::size_t>(calls_++) % entries.size()].Number);
      const int before = Lines();
      server_->TypeLine("call " + number + " lijn 1");
      Expect(server_->WaitForLine("NIEUW", kStepTimeoutMs).has_value(), "the server did not take a call");
      ++callsToday_;
      // The call's UPDATEBELLERS as well: a slow client that read it together
      // with the next text would take the two for one.
      const std::string count = ": " + std::to_string(callsToday_);
      if (!WaitUntil([this, before,
                      &count] { return Lines() == before + 1 && controls_.StatusBar1.PanelText(1).ends_with(count); },
                     kStepTimeoutMs)) {
        throw std::runtime_error("long session: call " + std::to_string(calls_) + " did not arrive: " +
                                 std::to_string(Lines()) + " lines after " + std::to_string(before));
      }
    }
    for (int i = 0; i < plan.SearchesPerHour; ++i) Search();
    for (int i = 0; i < plan.MessagesPerHour; ++i) {
      const int before = messagesRead_;
      const std::string text = "msg " + std::string(kNickname) + " Bericht " + std::to_string(++messages_) +
                               ": bel mevrouw terug op www.example.nl";
      for (int tries = 1;; ++tries) {
        server_->TypeLine(text);
        Expect(server_->WaitForLine("delivered to ", kStepTimeoutMs).has_value(),
               "the server did not answer a message");
        if (server_->LineFound().starts_with("delivered to 1 ")) break;
        ++undelivered_;
        Expect(tries < kMaxSendTries, "a message was never delivered");
        RunEventsFor(800);
        WaitForNickname();
      }
      Expect(WaitUntil([this, before] { return messagesRead_ > before; }, kStepTimeoutMs), "a message did not show");
    }
  }

  // The server stops; the client stays as it is.
  void EndServer() { server_.reset(); }

  // The user empties the messages window with "Wissen".
  void EmptyMessages() { program_.windows.FormMSG().Button3.OnClick(); }

  [[nodiscard]] Mark Measure() const {
    malloc_trim(0);
    const struct mallinfo2 heap = mallinfo2();
    return {static_cast<double>(StatusValue("/proc/self/status", "VmRSS")) / 1024.0,
            MiB(static_cast<double>(heap.uordblks + heap.hblkhd)), MiB(static_cast<double>(heap.fordblks)),
            MiB(HeldBytes())};
  }

  [[nodiscard]] int Lines() const { return list_.model()->rowCount(); }
  [[nodiscard]] int Calls() const { return calls_; }
  [[nodiscard]] int Searches() const { return searches_; }
  [[nodiscard]] int Messages() const { return messages_; }
  [[nodiscard]] int Unanswered() const { return unanswered_; }
  [[nodiscard]] int Undelivered() const { return undelivered_; }

 private:
  static void Expect(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("long session: ") + what);
  }

  // What the windows hold that a user can still see.
  [[nodiscard]] double HeldBytes() const {
    double bytes = 0;
    for (int i = 0; i < controls_.ListBox1.Count(); ++i)
      bytes += static_cast<double>(controls_.ListBox1.Item(i).size());
    return bytes + static_cast<double>(program_.windows.FormMSG().RichOntvang.Text().size());
  }

  // A search for a name among the callers, then "Sluiten", which brings today's calls back.
  void Search() {
    controls_.Find1.OnClick();
    controls_.Edit1.SetText(std::string(server::DemoEntries().front().Name.substr(0, 4)));
    int resets = resets_;
    Expect(Ask([this] { controls_.Button2.OnClick(); }, [this, resets] { return resets_ > resets && Lines() > 0; }),
           "a search found nothing");
    resets = resets_;
    if (!Ask([this] { controls_.Button1.OnClick(); },
             [this, resets] { return resets_ > resets && Lines() == callsToday_; })) {
      throw std::runtime_error("long session: " + std::to_string(Lines()) + " of today's " +
                               std::to_string(callsToday_) + " calls came back after a search");
    }
    ++searches_;
  }

  // Clicks until answered, as a user would: the server takes what a client
  // sends within 120 ms for one request, so a request that meets the nickname
  // the program sends once a minute goes unanswered.
  bool Ask(const std::function<void()>& click, const std::function<bool()>& answered) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      click();
      if (WaitUntil(answered, kStepTimeoutMs / kAttempts)) return true;
      ++unanswered_;
    }
    return false;
  }

  static qt::QtProgram::Options PrepareProgram(const QString& workFolder) {
    const QString config = workFolder + "/long-session-config";
    testing::WriteProgramSettings(config, kNickname);
    return {config, kServerPort, "/usr/bin/ringlook"};
  }

  std::unique_ptr<ChildProcess> server_;
  qt::QtProgram program_;
  const ui::FormRinglookControls& controls_;
  QAbstractItemView& list_;
  QTimer reader_;
  int resets_ = 0;
  int messagesRead_ = 0;
  int calls_ = 0;
  int callsToday_ = 0;
  int searches_ = 0;
  int messages_ = 0;
  int unanswered_ = 0;
  int undelivered_ = 0;
};

void Print(const char* when, const LongSession& session, const Mark& mark) {
  std::fprintf(stderr,
               "%s: %d calls, %d searches (%d clicks again), %d messages (%d sent again); %d lines, held %.3f MiB; "
               "heap in use %.1f MiB, "
               "kept free %.1f MiB; resident %.1f MiB\n",
               when, session.Calls(), session.Searches(), session.Unanswered(), session.Messages(),
               session.Undelivered(), session.Lines(), mark.Held, mark.InUse, mark.Kept, mark.Resident);
}

}  // namespace

std::vector<Row> MeasureLongSession(const QString& workFolder, const LongSessionPlan& plan) {
  const QString database = workFolder + "/long-session.db";
  CreateBenchDatabase(database, 0);
  LongSession session(workFolder, database, plan.Server);
  session.Start();
  Mark firstHour;
  Mark dayTwo;
  Mark last;
  for (int day = 1; day <= plan.Days; ++day) {
    if (day > 1) {
      session.NextDay();
      // Yesterday's messages go in the morning, today's first at noon.
      session.EmptyMessages();
    }
    for (int hour = 1; hour <= plan.Hours; ++hour) {
      session.Hour(plan);
      if (hour == plan.Hours / 2) session.EmptyMessages();
      if (day == 1 && hour == 1) {
        firstHour = session.Measure();
        Print("day 1, first hour", session, firstHour);
      }
    }
    last = session.Measure();
    if (day == 2) dayTwo = last;
    const std::string when = "day " + std::to_string(day);
    Print(when.c_str(), session, last);
  }
  const std::string lastDay = "day " + std::to_string(plan.Days);
  char note[200];
  std::snprintf(note, sizeof note,
                "%d calls, %d searches, %d messages; floor: what the list and messages window came to hold; "
                "heap in use grew %.1f MiB",
                session.Calls(), session.Searches(), session.Messages(), last.InUse - firstHour.InUse);
  const double weekGrown = last.Resident - firstHour.Resident;
  const double weekHeld = last.Held - firstHour.Held;
  std::vector<Row> rows{{"week: resident grown, day 1's first hour to " + lastDay, weekGrown, weekHeld,
                         weekHeld > 0 ? weekGrown / weekHeld : 0.0, "MiB", "<= 2 x held + 1 MiB",
                         weekGrown <= kWeekFactor * weekHeld + kSlackMiB, note}};
  if (plan.Days >= 3) {
    const double held = last.Held - dayTwo.Held;
    const double beyond = last.Resident - dayTwo.Resident - held;
    std::snprintf(note, sizeof note, "floor: what the windows came to hold; heap in use grew %.1f MiB beyond it",
                  last.InUse - dayTwo.InUse - held);
    rows.push_back({"week: resident grown beyond held, day 2 to " + lastDay, beyond, held, beyond / kSlackMiB, "MiB",
                    "<= 1 MiB", beyond <= kSlackMiB, note});
  }
  if (plan.EndWithoutFreeing) {
    session.EndServer();
    PrintTable(rows);
    std::fflush(stdout);
    std::exit(0);
  }
  return rows;
}

}  // namespace ringlook::perf
