// The child-process figures: see ProcessFigures.h.
#include "ProcessFigures.h"

#include <QDir>
#include <QFile>
#include <stdexcept>
#include <thread>

#include "ChildProcess.h"
#include "ProgramSettings.h"
#include "ServerThread.h"
#include "calls/CallerLine.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::perf {

namespace {

constexpr quint16 kProgramPort = 6661;
constexpr int kQuietMs = 1000;
constexpr double kKiBPerMiB = 1024.0;
constexpr double kStartRatioBudget = 1.5;
constexpr double kStartBudgetMs = 300.0;
constexpr double kIdleMemoryBudgetMiB = 15.0;
constexpr double kLinesFactorBudget = 3.0;
constexpr double kIdleCpuBudgetSeconds = 1.0;
constexpr int kIdleCopies = 3;

// A fresh settings and runtime folder for one child, and the environment that points it there.
std::map<std::string, std::string> ChildEnvironment(const QString& workFolder, const std::string& nickname) {
  static int made = 0;
  const QString folder = workFolder + QStringLiteral("/child-%1").arg(++made);
  const QString runtime = folder + "/run";
  if (!QDir().mkpath(runtime) ||
      !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
    throw std::runtime_error("cannot make " + runtime.toStdString());
  }
  testing::WriteProgramSettings(folder + "/config", nickname);
  return {{"QT_QPA_PLATFORM", "offscreen"},
          {"XDG_CONFIG_HOME", (folder + "/config").toStdString()},
          {"XDG_RUNTIME_DIR", runtime.toStdString()},
          {"QT_LOGGING_RULES", ""}};
}

// Waits until the server has written a HISTORY to a client since from, as many as count.
void WaitForHistories(ServerThread& server, Instant from, int count, int timeoutMs) {
  const Instant end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int written = 0;
    for (const ServerThread::Written& message : server.WrittenMessages()) {
      if (message.Keyword == net::kHistory && message.LastByte >= from) ++written;
    }
    if (written >= count) return;
    if (Clock::now() > end) throw std::runtime_error("the program did not get its history");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void WaitUntilIdle(const ChildProcess& child) {
  if (!child.WaitUntilIdle(kQuietMs, 60000)) throw std::runtime_error("the program did not go quiet");
}

double MiB(long kib) { return static_cast<double>(kib) / kKiBPerMiB; }

// The bytes of the list lines a HISTORY text makes.
std::size_t LineBytes(const QByteArray& history) {
  std::size_t bytes = 0;
  const std::string_view text(history.constData(), static_cast<std::size_t>(history.size()));
  net::ReadRecordList(net::TextAfter(text, net::kFieldSeparator), [&bytes](std::string_view record) {
    bytes += calls::FormatCallerRecord(record).size();
    return true;
  });
  return bytes;
}

std::string Runs(int runs) { return std::to_string(runs) + " runs"; }

}  // namespace

std::vector<Row> MeasureStartAndMemory(const Programs& programs, const QString& emptyDatabase,
                                       const QString& dayDatabase, const QString& fullDatabase) {
  std::vector<double> starts;
  std::vector<double> listed;
  std::vector<double> bareStarts;
  std::vector<double> idle;
  std::vector<double> bareIdle;
  {
    ServerThread server(emptyDatabase, kProgramPort);
    for (int i = 0; i < programs.Runs; ++i) {
      {
        ChildProcess bare(programs.BareWindow, {}, ChildEnvironment(programs.WorkFolder, ""));
        const auto exited = bare.WaitForExit(30000);
        if (!exited) throw std::runtime_error("the bare window did not quit");
        bareStarts.push_back(MillisecondsBetween(bare.Started(), *exited));
      }
      {
        ChildProcess ringlook(programs.Ringlook, {"--verbose"}, ChildEnvironment(programs.WorkFolder, "Start"));
        const auto connected = ringlook.WaitForLine("ringlook.link: verbonden", 30000);
        if (!connected) throw std::runtime_error("ringlook did not connect");
        starts.push_back(MillisecondsBetween(ringlook.Started(), *connected));
      }
      {
        ChildProcess bare(programs.BareWindow, {"--stay"}, ChildEnvironment(programs.WorkFolder, ""));
        if (!bare.WaitForLine("shown", 30000)) throw std::runtime_error("the bare window did not show");
        WaitUntilIdle(bare);
        bareIdle.push_back(MiB(bare.ResidentKiB()));
      }
      {
        ChildProcess ringlook(programs.Ringlook, {}, ChildEnvironment(programs.WorkFolder, "Stil"));
        WaitForHistories(server, ringlook.Started(), 1, 30000);
        WaitUntilIdle(ringlook);
        idle.push_back(MiB(ringlook.ResidentKiB()));
      }
    }
  }
  {
    ServerThread server(dayDatabase, kProgramPort);
    const std::string line = "ringlook.link: HISTORY: " + std::to_string(kDayCalls) + " regels in de lijst";
    for (int i = 0; i < programs.Runs; ++i) {
      ChildProcess ringlook(programs.Ringlook, {"--verbose"}, ChildEnvironment(programs.WorkFolder, "Dag"));
      const auto shown = ringlook.WaitForLine(line, 30000);
      if (!shown) throw std::runtime_error("ringlook did not list the day's calls");
      listed.push_back(MillisecondsBetween(ringlook.Started(), *shown));
    }
  }
  std::vector<double> full;
  double lineMiB = 0.0;
  {
    ServerThread server(fullDatabase, kProgramPort);
    server.KeepBytesOf({std::string(net::kHistory)});
    for (int i = 0; i < programs.Runs; ++i) {
      ChildProcess ringlook(programs.Ringlook, {}, ChildEnvironment(programs.WorkFolder, "Vol"));
      WaitForHistories(server, ringlook.Started(), 1, 60000);
      WaitUntilIdle(ringlook);
      full.push_back(MiB(ringlook.ResidentKiB()));
    }
    for (const ServerThread::Written& message : server.WrittenMessages()) {
      if (message.Keyword == net::kHistory) lineMiB = MiB(static_cast<long>(LineBytes(message.Bytes) / 1024));
    }
  }

  const double start = Median(starts);
  const double bareStart = Median(bareStarts);
  const double list = Median(listed);
  const double idleMiB = Median(idle);
  const double bareIdleMiB = Median(bareIdle);
  const double fullMiB = Median(full);
  return {
      {"start -> first activation done (minimised, connected)", start, bareStart, start / bareStart, "ms",
       "<= 1.5 x floor, <= 300 ms", start <= kStartRatioBudget * bareStart && start <= kStartBudgetMs,
       Runs(programs.Runs) + "; floor: bare Qt Widgets program, start -> shown -> exited"},
      {"start -> today's " + std::to_string(kDayCalls) + " calls in the list (HISTORY reply read)", list, bareStart,
       list / bareStart, "ms", "", true,
       Runs(programs.Runs) + "; minimised, so nothing painted; floor: the bare window's first paint, same run"},
      {"resident memory, connected and idle, empty list", idleMiB, bareIdleMiB, idleMiB / bareIdleMiB, "MiB",
       "<= floor + 15 MiB", idleMiB <= bareIdleMiB + kIdleMemoryBudgetMiB,
       Runs(programs.Runs) + "; floor: the bare Qt program, shown"},
      {"resident memory with 100,000 lines", fullMiB, lineMiB, (fullMiB - idleMiB) / lineMiB, "MiB",
       "<= 3 x lines + idle", fullMiB <= kLinesFactorBudget * lineMiB + idleMiB,
       Runs(programs.Runs) + "; floor: the lines' own bytes; ratio: (figure - idle) / lines"},
  };
}

IdleCpu::IdleCpu(const Programs& programs, const QString& emptyDatabase)
    : programs_(programs), server_(std::make_unique<ServerThread>(emptyDatabase, kProgramPort)) {}

IdleCpu::~IdleCpu() = default;

void IdleCpu::Begin() {
  const Instant started = Clock::now();
  for (int i = 1; i <= kIdleCopies; ++i) {
    copies_.push_back(
        std::make_unique<ChildProcess>(programs_.Ringlook, std::vector<std::string>{},
                                       ChildEnvironment(programs_.WorkFolder, "Stil" + std::to_string(i))));
  }
  WaitForHistories(*server_, started, kIdleCopies, 30000);
  for (const auto& copy : copies_) WaitUntilIdle(*copy);
  began_ = Clock::now();
  for (const auto& copy : copies_) {
    cpuAtBegin_.push_back(copy->CpuSeconds());
    switchesAtBegin_.push_back(copy->VoluntarySwitches());
  }
}

Row IdleCpu::End() {
  const double minutes = Milliseconds(Clock::now() - began_) / 60000.0;
  std::vector<double> cpu;
  std::vector<double> wakeUps;
  for (std::size_t i = 0; i < copies_.size(); ++i) {
    cpu.push_back(copies_[i]->CpuSeconds() - cpuAtBegin_[i]);
    wakeUps.push_back(static_cast<double>(copies_[i]->VoluntarySwitches() - switchesAtBegin_[i]));
  }
  copies_.clear();
  const double value = Median(cpu);
  char note[160];
  std::snprintf(note, sizeof note, "%d copies side by side for %.1f min; median wake-ups: %.0f (%.1f a minute)",
                kIdleCopies, minutes, Median(wakeUps), Median(wakeUps) / minutes);
  return {"CPU time connected and idle", value, 0.0, 0.0, "s", "< 1 s in 10 min", value < kIdleCpuBudgetSeconds, note};
}

}  // namespace ringlook::perf
