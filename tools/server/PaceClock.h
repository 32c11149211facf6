// The time that paces a client's writes: a millisecond tick and one-shot
// alarms. The server runs on Qt's monotonic clock and precise timers; tests
// move a clock of their own, so that the pacing shows without waiting.
#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

namespace ringlook::server {

class PaceAlarm {
 public:
  virtual ~PaceAlarm() = default;
  // Rings once, no earlier than ms from now; a later Start replaces it.
  virtual void Start(qint64 ms) = 0;
  virtual void Stop() = 0;
  [[nodiscard]] virtual bool Active() const = 0;
};

class PaceClock {
 public:
  virtual ~PaceClock() = default;
  [[nodiscard]] virtual qint64 NowMs() const = 0;
  [[nodiscard]] virtual std::unique_ptr<PaceAlarm> NewAlarm(std::function<void()> ring) = 0;
};

// Qt's monotonic clock and timers, on the thread's event loop.
PaceClock& SystemPaceClock();

}  // namespace ringlook::server
