// The manual event loop: see ManualEventLoop.h.
#include "memory/ManualEventLoop.h"

#include <algorithm>
#include <limits>

namespace ringlook::ui {

void ManualEventLoop::Post(std::function<void()> fn) { scheduled_.emplace(Tick(), std::move(fn)); }

void ManualEventLoop::At(std::uint64_t tick, std::function<void()> fn) { scheduled_.emplace(tick, std::move(fn)); }

void ManualEventLoop::Detach(ManualTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

bool ManualEventLoop::RunDueNow() {
  bool ran = false;
  // Each event may nest further passes, so take one due item at a time.
  for (;;) {
    auto first = scheduled_.begin();
    if (first != scheduled_.end() && first->first <= Tick()) {
      auto fn = std::move(first->second);
      scheduled_.erase(first);
      fn();
      ran = true;
      continue;
    }
    auto due = std::find_if(timers_.begin(), timers_.end(),
                            [this](ManualTimer* t) { return t->Enabled() && t->Due() <= Tick(); });
    if (due == timers_.end()) return ran;
    (*due)->Fire();
    ran = true;
  }
}

void ManualEventLoop::ProcessEvents(std::uint64_t deadlineTick) {
  if (RunDueNow()) return;
  std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
  if (!scheduled_.empty()) next = scheduled_.begin()->first;
  for (ManualTimer* t : timers_) {
    if (t->Enabled()) next = std::min(next, t->Due());
  }
  clock_.AdvanceTo(std::min(next, deadlineTick));
  RunDueNow();
}

void ManualEventLoop::RunFor(std::uint64_t ms) {
  const std::uint64_t deadline = Tick() + ms;
  do {
    ProcessEvents(deadline);
  } while (Tick() < deadline);
  RunDueNow();
}

ManualTimer::ManualTimer(ManualEventLoop& loop, int intervalMs, bool enabled) : loop_(loop), interval_(intervalMs) {
  loop_.Attach(this);
  SetEnabled(enabled);
}

ManualTimer::~ManualTimer() { loop_.Detach(this); }

void ManualTimer::SetInterval(int ms) {
  interval_ = ms;
  if (enabled_) due_ = loop_.Tick() + static_cast<std::uint64_t>(interval_);
}

void ManualTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) due_ = loop_.Tick() + static_cast<std::uint64_t>(interval_);
}

void ManualTimer::Fire() {
  due_ = loop_.Tick() + static_cast<std::uint64_t>(interval_);
  if (OnTimer) OnTimer();
}

}  // namespace ringlook::ui
