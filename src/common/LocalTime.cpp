// Local date-times as shown: see LocalTime.h.
#include "common/LocalTime.h"

#include <cmath>

#include "ports/Clock.h"

namespace ringlook {

namespace {
constexpr long long kMsPerMinute = 60000;
constexpr long long kMinutesPerDay = 1440;

// Whole milliseconds first: a date-time near day 46000 carries rounding noise
// that would otherwise show 9:05 as 9:04, or put a call at midnight on the day before.
long long WholeMs(double days) { return std::llround(days * kMsPerDay); }
}  // namespace

std::string HourMinute(double days) {
  const long long minutes = WholeMs(days) / kMsPerMinute % kMinutesPerDay;
  const long long minute = minutes % 60;
  return std::to_string(minutes / 60) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

long long DayOf(double days) { return WholeMs(days) / (kMsPerMinute * kMinutesPerDay); }

}  // namespace ringlook
