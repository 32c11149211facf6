// The dispatch of a HISTORY text into the real Qt caller list (offscreen),
// including the events that lay out and paint it afterwards: ns per record must
// stay flat from 1,000 to 100,000 records.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "BenchTexts.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "records/TFormEdit.h"
#include "settings/MemoryAutostartEntry.h"
#include "settings/MemorySettingsStore.h"
#include "settings/TFormSetup.h"
#include "ui/qt/QtApplication.h"
#include "ui/qt/QtClientSocket.h"
#include "ui/qt/QtClock.h"
#include "ui/qt/QtWindows.h"

namespace {

void DispatchHistoryIntoQtList(benchmark::State& state) {
  using namespace ringlook;
  const int records = static_cast<int>(state.range(0));
  const std::string text = bench::RecordListText(records);
  qt::QtClock clock;
  qt::QtWindows windows;
  qt::QtApplication application(windows.MainForm(), clock);
  qt::QtClientSocket socket;
  settings::MemorySettingsStore store;
  settings::MemoryAutostartEntry autostart;
  TFormRinglook main(windows.FormRinglook(), TFormRinglook::Services{application, clock, socket, store, autostart,
                                                                     [] { return std::string("/"); }, "/"});
  TFormSetup setup(windows.FormSetup(), main);
  TFormEdit edit(windows.FormEdit());
  TFormSentMSG sentMSG(windows.FormSentMSG(), main);
  TFormMSG msg(windows.FormMSG(), main);
  main.AttachSetup(setup);
  main.AttachEdit(edit);
  main.AttachMessaging(sentMSG, msg);
  // Shown as the user sees it, without the first activation's settings reading.
  main.FirstActivation = false;
  windows.MainForm().show();
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
