// The side-by-side reading: see ReadingFigures.h.
#include "ReadingFigures.h"

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include "BenchTexts.h"
#include "RecordReading.h"
#include "net/Fields.h"

namespace ringlook::perf {

namespace {

constexpr double kRatioBudget = 50.0;
constexpr int kLargest = 100000;

// The median time of runs readings of list, in ms; every reading must give the same fields.
double TimeReading(const std::function<std::size_t(std::string_view)>& read, std::string_view list, int runs,
                   std::size_t expectedFields) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const Instant begin = Clock::now();
    const std::size_t fields = read(list);
    times.push_back(MillisecondsBetween(begin, Clock::now()));
    if (fields != expectedFields) throw std::runtime_error("the two readings read different fields");
  }
  return Median(times);
}

}  // namespace

std::vector<Row> MeasureReadings(int runs, int copyingRunsAtMost) {
  std::vector<Row> rows;
  for (const int records : {1000, 10000, kLargest}) {
    const std::string text = bench::RecordListText(records);
    const std::string_view list = net::TextAfter(text, net::kFieldSeparator);
    const std::size_t fields = bench::ReadRecordsAndFields(list);
    // Short readings are timed often, so that a median of microseconds means something.
    const double ours = TimeReading(bench::ReadRecordsAndFields, list, std::max(runs, 21), fields);
    const int copyingRuns = records == kLargest ? std::min(runs, copyingRunsAtMost) : runs;
    std::fprintf(stderr, "  copy-the-rest reading of %d records, %d runs...\n", records, copyingRuns);
    const double copying = TimeReading(bench::ReadCopyingTheRest, list, copyingRuns, fields);
    const bool budgeted = records == kLargest;
    rows.push_back({"copy-the-rest reading / ours, " + std::to_string(records) + " records", copying, ours,
                    copying / ours, "ms", budgeted ? "ours >= 50 x faster" : "", copying >= kRatioBudget * ours,
                    std::to_string(copyingRuns) + " runs copying, " + std::to_string(std::max(runs, 21)) +
                        " runs ours; floor: ours; the same text, " + std::to_string(text.size()) + " bytes"});
  }
  return rows;
}

}  // namespace ringlook::perf
