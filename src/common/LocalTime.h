// The local date-times the clock gives (days since 1899-12-30, the fraction the
// time of day) as the windows show them.
#pragma once

#include <string>

namespace ringlook {

// The time of day as h:nn: no leading zero on the hour, 24-hour clock.
std::string HourMinute(double days);
// The day a date-time falls on.
long long DayOf(double days);
// The date as YYYY-MM-DD.
std::string IsoDate(double days);

}  // namespace ringlook
