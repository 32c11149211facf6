// The dispatch of a HISTORY text into the real Qt caller list (offscreen),
// including the events that lay out and paint it afterwards: ns per record must
// stay flat from 1,000 to 100,000 records.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>
#include <string>

#include "BenchTexts.h"
#include "ProgramSettings.h"
#include "qt/QtProgram.h"

namespace {

void DispatchHistoryIntoQtList(benchmark::State& state) {
  using namespace ringlook;
  const int records = static_cast<int>(state.range(0));
  const std::string text = bench::RecordListText(records);
  // The whole program as at start-up, its first activation done against a
  // listener that never answers, and its window brought back up.
  const QTemporaryDir config;
  testing::WriteProgramSettings(config.path(), "Bench");
  QTcpServer silent;
  silent.listen(QHostAddress::LocalHost);
  qt::QtProgram program({.configFolder = config.path(), .port = silent.serverPort(), .programPath = "/"});
  TFormRinglook& main = program.logic.formRinglook;
  qt::QtWindows& windows = program.windows;
  windows.MainForm().show();
  while (main.FirstActivationPending()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  program.application.Restore();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    main.Dispatch(text);
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(windows.FormRinglook().ListBox1.Count());
  }
  state.counters["ns_per_record"] = benchmark::Counter(static_cast<double>(state.iterations()) * records,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(DispatchHistoryIntoQtList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
