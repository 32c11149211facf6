// Nested event processing on the Qt loop, for Pauze, that sleeps instead of spinning.
#pragma once

#include <cstdint>

#include "ports/Clock.h"

namespace ringlook::qt {

// Handles pending events; when none is pending, sleeps in the event loop until
// the next event or until the clock's tick reaches deadlineTick.
void ProcessEventsUntil(const Clock& clock, std::uint64_t deadlineTick);

}  // namespace ringlook::qt
