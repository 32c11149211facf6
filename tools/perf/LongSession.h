// A long working day on the whole program in this process against the
// reference server on its own thread: calls, searches and messages by the
// thousand, with the resident memory noted after every round beside the bytes
// the list and the messages window hold.
#pragma once

#include <QString>

#include "Measure.h"

namespace ringlook::perf {

struct LongSessionPlan {
  int Rounds = 8;
  int CallsPerRound = 150;
  int SearchesPerRound = 15;
  int MessagesPerRound = 100;
};

// Prints a line per round on standard error; the row compares the memory grown
// after the first round with what the windows came to hold meanwhile.
Row MeasureLongSession(const QString& workFolder, const LongSessionPlan& plan);

}  // namespace ringlook::perf
