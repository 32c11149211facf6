// The latency figures, on the whole program in this process (QtProgram: its
// real windows, list, status bar and socket) against the reference server on a
// thread of its own: a new call, a history of 100,000 calls, a search reply of
// 300 records, each from its last byte (or its request) to the paint that shows it.
#pragma once

#include <QString>
#include <vector>

#include "Measure.h"

namespace ringlook::perf {

inline constexpr int kHistoryCalls = 100000;

// database: kHistoryCalls calls today (CreateBenchDatabase); workFolder holds
// the program's settings; runs: how many of each.
std::vector<Row> MeasureLatencies(const QString& workFolder, const QString& database, int runs);

}  // namespace ringlook::perf
