// Reading a HISTORY text into records and fields must be linear in its size:
// ns per record should stay flat from 1,000 to 100,000 records.
#include <benchmark/benchmark.h>

#include <string>

#include "calls/CallerLine.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace {

std::string HistoryText(int records) {
  std::string text = "HISTORY^";
  for (int i = 0; i < records; ++i) {
    text += "Bakkerij De Korenaar " + std::to_string(i) + "^" + std::to_string(i % 3) + "^Lijn 2 " +
            std::to_string(i % 17) + "^0" + std::to_string(100000000 + i) + "^" + std::to_string(i + 1) + "^~";
  }
  return text;
}

void ReadHistory(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string text = HistoryText(records);
  for (auto _ : state) {
    std::size_t fields = 0;
    ringlook::net::ReadRecordList(ringlook::net::TextAfter(text, '^'), [&](std::string_view record) {
      const auto r = ringlook::net::CallerRecord::Read(record);
      fields += r.Name.size() + r.Number.size();
      return true;
    });
    benchmark::DoNotOptimize(fields);
  }
  state.SetItemsProcessed(state.iterations() * records);
  state.counters["ns_per_record"] = benchmark::Counter(static_cast<double>(state.iterations()) * records,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ReadHistory)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The same texts turned into list lines, as the caller list is filled.
void FormatHistoryLines(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string text = HistoryText(records);
  for (auto _ : state) {
    std::size_t bytes = 0;
    ringlook::net::ReadRecordList(ringlook::net::TextAfter(text, '^'), [&](std::string_view record) {
      bytes += ringlook::calls::FormatCallerRecord(record).Line.size();
      return true;
    });
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["ns_per_record"] = benchmark::Counter(static_cast<double>(state.iterations()) * records,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(FormatHistoryLines)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
