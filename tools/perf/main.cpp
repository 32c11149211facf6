// ringlook_perf: measures the program's figures beside their floors, each floor
// in the same run, and prints the table. scripts/bench.sh builds it in release
// mode and runs it with a loopback of its own, where port 6661 is free.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <thread>

#include "BenchDatabase.h"
#include "LatencyFigures.h"
#include "LongSession.h"
#include "Measure.h"
#include "ProcessFigures.h"
#include "ReadingFigures.h"

namespace {

using namespace ringlook::perf;

int Number(const QCommandLineParser& parser, const QCommandLineOption& option) {
  bool ok = false;
  const int value = parser.value(option).toInt(&ok);
  if (!ok || value < 1) throw std::runtime_error("--" + option.names().front().toStdString() + " takes a number > 0");
  return value;
}

void Say(const char* what) {
  std::fprintf(stderr, "ringlook_perf: %s\n", what);
  std::fflush(stderr);
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Measures Ringlook's figures beside their floors and prints the table. Needs 127.0.0.1:6661 free."));
  parser.addHelpOption();
  const QString built = QCoreApplication::applicationDirPath();
  const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per figure (5)."),
                                      QStringLiteral("n"), QStringLiteral("5"));
  const QCommandLineOption idleOption(QStringLiteral("idle-seconds"),
                                      QStringLiteral("How long the idle CPU time is counted (600)."),
                                      QStringLiteral("s"), QStringLiteral("600"));
  const QCommandLineOption copyingOption(QStringLiteral("copying-runs"),
                                         QStringLiteral("Runs of the copy-the-rest reading at 100,000 records (3)."),
                                         QStringLiteral("n"), QStringLiteral("3"));
  const QCommandLineOption ringlookOption(QStringLiteral("ringlook"), QStringLiteral("The program to measure."),
                                          QStringLiteral("path"), QDir(built).filePath("../../src/app/ringlook"));
  const QCommandLineOption bareOption(QStringLiteral("bare-window"), QStringLiteral("The bare Qt floor program."),
                                      QStringLiteral("path"), QDir(built).filePath("ringlook_bare_window"));
  const QCommandLineOption longOption(
      QStringLiteral("long-session"),
      QStringLiteral("Instead of the table: working days of calls, searches and messages, with the client's "
                     "memory at the end of every day."));
  const QCommandLineOption daysOption(QStringLiteral("days"), QStringLiteral("Days of the long session (5)."),
                                      QStringLiteral("n"), QStringLiteral("5"));
  const QCommandLineOption fullDayOption(
      QStringLiteral("full-day"),
      QStringLiteral("Long session days of 1,200 calls, 120 searches and 800 messages, not 300, 30 and 200."));
  const QCommandLineOption serverOption(QStringLiteral("server"),
                                        QStringLiteral("The reference server the long session runs."),
                                        QStringLiteral("path"), QDir(built).filePath("../server/ringlook-server"));
  const QCommandLineOption unfreedOption(
      QStringLiteral("end-without-freeing"),
      QStringLiteral("The long session leaves with the windows as they are, so that a heap profiler reports what "
                     "the client held at the end."));
  parser.addOptions({runsOption, idleOption, copyingOption, ringlookOption, bareOption, longOption, daysOption,
                     fullDayOption, serverOption, unfreedOption});
  parser.process(app);

  try {
    const QTemporaryDir work;
    if (!work.isValid()) throw std::runtime_error("no temporary folder");
    if (parser.isSet(longOption)) {
      LongSessionPlan plan;
      plan.Server = QDir::cleanPath(parser.value(serverOption)).toStdString();
      plan.Days = Number(parser, daysOption);
      plan.EndWithoutFreeing = parser.isSet(unfreedOption);
      if (parser.isSet(fullDayOption)) {
        constexpr int kFullDay = 4;
        plan.CallsPerHour *= kFullDay;
        plan.SearchesPerHour *= kFullDay;
        plan.MessagesPerHour *= kFullDay;
      }
      PrintTable(MeasureLongSession(work.path(), plan));
      return 0;
    }
    const Programs programs{QDir::cleanPath(parser.value(ringlookOption)).toStdString(),
                            QDir::cleanPath(parser.value(bareOption)).toStdString(), work.path(),
                            Number(parser, runsOption)};
    const int idleSeconds = Number(parser, idleOption);

    Say("preparing the databases");
    const QString directory = work.filePath("directory.db");
    const QString calls = work.filePath("calls.db");
    const QString day = work.filePath("day.db");
    CreateBenchDatabase(directory, 0);
    CreateBenchDatabase(day, kDayCalls);
    CreateBenchDatabase(calls, kHistoryCalls);

    Say("start-up and memory, on the ringlook executable");
    const std::vector<Row> processRows = MeasureStartAndMemory(programs, directory, day, calls);

    Say("starting the idle copies");
    IdleCpu idle(programs, directory);
    idle.Begin();
    Say("latencies, on the whole program in this process (the idle copies sleep meanwhile)");
    const std::vector<Row> latencyRows = MeasureLatencies(work.path(), calls, programs.Runs);
    Say("record-list readings side by side");
    const std::vector<Row> readingRows = MeasureReadings(programs.Runs, Number(parser, copyingOption));
    Say("waiting for the end of the idle time");
    std::this_thread::sleep_until(idle.Began() + std::chrono::seconds(idleSeconds));
    const Row idleRow = idle.End();

    // A call first, then start-up, memory and idle cost, then the long texts.
    PrintTable({latencyRows[1], processRows[0], processRows[1], processRows[2], processRows[3], idleRow, latencyRows[0],
                latencyRows[2]});
    std::printf("\n");
    PrintTable(readingRows);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ringlook_perf: %s\n", e.what());
    return 1;
  }
  return 0;
}
