// The record-list reading beside a literal copy-the-rest reading of the same
// text, in the same run, at 1,000, 10,000 and 100,000 records.
#pragma once

#include <vector>

#include "Measure.h"

namespace ringlook::perf {

// runs: of the program's reading and of the copying one up to 10,000 records;
// copyingRunsAtMost: of the copying one at 100,000 (tens of seconds each).
std::vector<Row> MeasureReadings(int runs, int copyingRunsAtMost);

}  // namespace ringlook::perf
