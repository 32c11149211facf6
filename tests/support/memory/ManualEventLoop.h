// An event loop on a clock that only moves when asked: the in-memory stand-in for
// the Qt loop, for tests and headless runs. Timers fire and scheduled events run
// at exact ticks, so minutes of behaviour take microseconds and never depend on
// the wall clock.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "ports/Clock.h"
#include "ports/Timer.h"

namespace ringlook::ui {

class ManualClock : public Clock {
 public:
  // startDays: the local date-time at tick 0, in days.
  explicit ManualClock(double startDays = 46000.5) : startDays_(startDays) {}
  [[nodiscard]] double Now() const override { return startDays_ + static_cast<double>(tick_) / kMsPerDay; }
  [[nodiscard]] std::uint64_t TickMs() const override { return tick_; }
  void AdvanceTo(std::uint64_t tick) { tick_ = tick > tick_ ? tick : tick_; }
  // The machine sleeps: the date-time runs on, the tick stands still.
  void Sleep(std::uint64_t ms) { startDays_ += static_cast<double>(ms) / kMsPerDay; }

 private:
  double startDays_;
  std::uint64_t tick_ = 0;
};

class ManualTimer;

class ManualEventLoop {
 public:
  ManualEventLoop() = default;
  ManualEventLoop(const ManualEventLoop&) = delete;
  ManualEventLoop& operator=(const ManualEventLoop&) = delete;

  [[nodiscard]] ManualClock& ClockRef() { return clock_; }
  [[nodiscard]] std::uint64_t Tick() const { return clock_.TickMs(); }

  // Runs fn at the next pass of event processing.
  void Post(std::function<void()> fn);
  // Runs fn once the clock reaches tick (at the earliest at the next pass).
  void At(std::uint64_t tick, std::function<void()> fn);
  void After(std::uint64_t ms, std::function<void()> fn) { At(Tick() + ms, std::move(fn)); }

  // One pass: runs what is due now; when nothing is, moves the clock to the next
  // timer or scheduled event, or to the deadline, whichever is first.
  void ProcessEvents(std::uint64_t deadlineTick);
  // Lets ms of time pass with events processed, as the running program would.
  void RunFor(std::uint64_t ms);

  // Timers register themselves.
  void Attach(ManualTimer* timer) { timers_.push_back(timer); }
  void Detach(ManualTimer* timer);

 private:
  bool RunDueNow();

  ManualClock clock_;
  std::vector<ManualTimer*> timers_;
  std::multimap<std::uint64_t, std::function<void()>> scheduled_;
};

class ManualTimer : public Timer {
 public:
  explicit ManualTimer(ManualEventLoop& loop, int intervalMs = 1000, bool enabled = true);
  ~ManualTimer() override;
  ManualTimer(const ManualTimer&) = delete;
  ManualTimer& operator=(const ManualTimer&) = delete;

  [[nodiscard]] int Interval() const override { return interval_; }
  void SetInterval(int ms) override;
  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

  [[nodiscard]] std::uint64_t Due() const { return due_; }
  // Called by the loop when the clock has reached Due().
  void Fire();

 private:
  ManualEventLoop& loop_;
  int interval_;
  bool enabled_ = false;
  std::uint64_t due_ = 0;
};

}  // namespace ringlook::ui
