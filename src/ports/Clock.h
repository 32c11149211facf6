// Time, passed in rather than read from a global, so tests can move it.
#pragma once

#include <cstdint>

namespace ringlook {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time in days since 1899-12-30; the fraction is the time of day.
  [[nodiscard]] virtual double Now() const = 0;
  // A monotonic millisecond tick.
  [[nodiscard]] virtual std::uint64_t TickMs() const = 0;
};

inline constexpr double kMsPerDay = 86400000.0;

}  // namespace ringlook
