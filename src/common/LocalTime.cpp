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

std::string IsoDate(double days) {
  // H. Hinnant's civil_from_days, which counts from 0000-03-01.
  constexpr long long kDaysFromMarch0000 = 693899;
  const long long z = DayOf(days) + kDaysFromMarch0000;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long dayOfEra = z - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
  const long long day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const long long month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  const auto two = [](long long n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return digits;
  };
  return std::to_string(year) + "-" + two(month) + "-" + two(day);
}

}  // namespace ringlook
