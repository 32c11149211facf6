// Working days at the desk on the whole program in this process, against the
// reference server as a process of its own (as on another machine), so that
// the memory noted is the client's: calls, searches and messages hour by hour,
// the server's day moved on each morning, and the memory at the end of each
// day beside the bytes the list and the messages window hold.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "Measure.h"

namespace ringlook::perf {

struct LongSessionPlan {
  std::string Server;
  int Days = 5;
  int Hours = 10;
  // A quiet day: 300 calls, 30 searches, 200 messages; the full day has four times as many.
  int CallsPerHour = 30;
  int SearchesPerHour = 3;
  int MessagesPerHour = 20;
  // Leaves the process once the table is printed, with the windows as they
  // are: a heap profiler then reports what the client held at the end as not freed.
  bool EndWithoutFreeing = false;
};

// Prints a line per day on standard error; the rows are the week's growth
// against what the windows came to hold, and from day 2 on beyond it.
std::vector<Row> MeasureLongSession(const QString& workFolder, const LongSessionPlan& plan);

}  // namespace ringlook::perf
