// The real clock on Windows: local date-time in days and the system's
// millisecond tick.
#pragma once

#include "ports/Clock.h"

namespace ringlook::win32 {

class Win32Clock : public Clock {
 public:
  [[nodiscard]] double Now() const override;
  [[nodiscard]] std::uint64_t TickMs() const override;
};

}  // namespace ringlook::win32
