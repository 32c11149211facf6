// Reading a HISTORY text into records and fields, formatting its lines and
// dispatching it into the in-memory list must be linear in its size: ns per
// record should stay flat from 1,000 to 100,000 records. Beside the reading, a
// literal copy-the-rest reading of the same texts shows what the views save.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchTexts.h"
#include "HeadlessProgram.h"
#include "RecordReading.h"
#include "calls/CallerLine.h"
#include "net/Fields.h"

namespace {

using ringlook::bench::RecordListText;

benchmark::Counter NsPerRecord(const benchmark::State& state, int records) {
  return {static_cast<double>(state.iterations()) * records, benchmark::Counter::kIsRate | benchmark::Counter::kInvert};
}

void ReadHistory(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string text = RecordListText(records);
  for (auto _ : state)
    benchmark::DoNotOptimize(ringlook::bench::ReadRecordsAndFields(ringlook::net::TextAfter(text, '^')));
  state.SetItemsProcessed(state.iterations() * records);
  state.counters["ns_per_record"] = NsPerRecord(state, records);
}
BENCHMARK(ReadHistory)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Quadratic: at 100,000 records one pass copies some 300 GB and takes tens of seconds.
void ReadHistoryCopyingTheRest(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string text = RecordListText(records);
  for (auto _ : state)
    benchmark::DoNotOptimize(ringlook::bench::ReadCopyingTheRest(ringlook::net::TextAfter(text, '^')));
  state.counters["ns_per_record"] = NsPerRecord(state, records);
}
BENCHMARK(ReadHistoryCopyingTheRest)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same texts turned into list lines, as the caller list is filled.
void FormatHistoryLines(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string text = RecordListText(records);
  for (auto _ : state) {
    std::size_t bytes = 0;
    ringlook::net::ReadRecordList(ringlook::net::TextAfter(text, '^'), [&](std::string_view record) {
      bytes += ringlook::calls::FormatCallerRecord(record).size();
      return true;
    });
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["ns_per_record"] = NsPerRecord(state, records);
}
BENCHMARK(FormatHistoryLines)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The whole dispatch of a HISTORY text on the in-memory windows: the list
// emptied and filled, the status count written for every record.
void DispatchHistory(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string text = RecordListText(records);
  ringlook::HeadlessProgram program;
  for (auto _ : state) {
    program.main.Dispatch(text);
    benchmark::DoNotOptimize(program.mainControls.ListBox1.Count());
  }
  state.counters["ns_per_record"] = NsPerRecord(state, records);
}
BENCHMARK(DispatchHistory)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
