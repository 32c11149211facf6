// Today's last callers: see RecentCallers.h.
#include "calls/RecentCallers.h"

#include <algorithm>

#include "common/LocalTime.h"

namespace ringlook::calls {

void RecentCallers::Add(std::string_view name, std::string_view number, double nowDays) {
  const long long day = DayOf(nowDays);
  if (day != day_) callers_.clear();
  day_ = day;
  std::erase_if(callers_, [number](const RecentCaller& caller) { return caller.Number == number; });
  callers_.insert(callers_.begin(), {std::string(name), std::string(number), HourMinute(nowDays)});
  if (callers_.size() > kListed) callers_.resize(kListed);
}

}  // namespace ringlook::calls
