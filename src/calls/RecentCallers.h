// Today's last callers, newest first, as the tray and the task bar's menu list
// them: a number that calls again moves to the top, and a call on a new day
// starts the list afresh.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ringlook::calls {

// One of today's last callers, as the tray lists them.
struct RecentCaller {
  std::string Name;
  std::string Number;
  std::string Time;  // h:nn
};

class RecentCallers {
 public:
  static constexpr std::size_t kListed = 5;

  // A new call, at the local date-time nowDays.
  void Add(std::string_view name, std::string_view number, double nowDays);
  [[nodiscard]] const std::vector<RecentCaller>& Callers() const { return callers_; }

 private:
  std::vector<RecentCaller> callers_;
  long long day_ = 0;
};

}  // namespace ringlook::calls
