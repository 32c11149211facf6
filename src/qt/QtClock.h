// The real clock: local date-time in days and a monotonic millisecond tick.
#pragma once

#include <QElapsedTimer>

#include "ports/Clock.h"

namespace ringlook::qt {

class QtClock : public Clock {
 public:
  QtClock() { elapsed_.start(); }
  [[nodiscard]] double Now() const override;
  [[nodiscard]] std::uint64_t TickMs() const override;

 private:
  QElapsedTimer elapsed_;
};

}  // namespace ringlook::qt
