// What every figure is built from: one monotonic clock for all instants, the
// median of several runs, and the table row a figure ends up in.
#pragma once

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace ringlook::perf {

using Clock = std::chrono::steady_clock;
using Instant = Clock::time_point;

inline double Milliseconds(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }
inline double MillisecondsBetween(Instant from, Instant to) { return Milliseconds(to - from); }

// The middle value; the mean of the two middle ones for an even count; 0 for none.
inline double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// One line of the table: the figure beside its floor from the same run.
struct Row {
  std::string Figure;
  double Value = 0.0;
  double Floor = 0.0;
  // Value against Floor, as the budget reads it (usually Value / Floor).
  double Ratio = 0.0;
  std::string Unit;
  // Empty for a figure shown for comparison only.
  std::string Budget;
  bool Pass = false;
  // How many runs the median is taken over, and anything a reader needs to weigh it.
  std::string Note;
};

// Prints the rows as a fixed-width table on standard output.
void PrintTable(const std::vector<Row>& rows);

}  // namespace ringlook::perf
