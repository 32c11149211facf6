// A pace clock that moves only when the test moves it: each alarm rings inside
// Advance, at the moment it comes due, earliest first.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "server/PaceClock.h"

namespace ringlook::server::test {

class ManualPaceClock : public PaceClock {
 public:
  [[nodiscard]] qint64 NowMs() const override { return now_; }
  [[nodiscard]] std::unique_ptr<PaceAlarm> NewAlarm(std::function<void()> ring) override {
    return std::make_unique<Alarm>(*this, std::move(ring));
  }

  void Advance(qint64 ms) {
    const qint64 until = now_ + ms;
    for (;;) {
      Alarm* next = nullptr;
      for (Alarm* alarm : alarms_) {
        if (alarm->due && *alarm->due <= until && (next == nullptr || *alarm->due < *next->due)) next = alarm;
      }
      if (next == nullptr) break;
      now_ = std::max(now_, *next->due);
      next->due.reset();
      next->ring();
    }
    now_ = until;
  }

  // Whether an alarm waits to ring.
  [[nodiscard]] bool Waiting() const {
    return std::any_of(alarms_.begin(), alarms_.end(), [](const Alarm* alarm) { return alarm->due.has_value(); });
  }

 private:
  struct Alarm : PaceAlarm {
    Alarm(ManualPaceClock& owner, std::function<void()> ringing) : clock(owner), ring(std::move(ringing)) {
      clock.alarms_.push_back(this);
    }
    ~Alarm() override { std::erase(clock.alarms_, this); }
    Alarm(const Alarm&) = delete;
    Alarm& operator=(const Alarm&) = delete;
    // A real timer never rings in the instant it is started.
    void Start(qint64 ms) override { due = clock.now_ + std::max<qint64>(ms, 1); }
    void Stop() override { due.reset(); }
    [[nodiscard]] bool Active() const override { return due.has_value(); }

    ManualPaceClock& clock;
    std::function<void()> ring;
    std::optional<qint64> due;
  };

  qint64 now_ = 0;
  std::vector<Alarm*> alarms_;
};

}  // namespace ringlook::server::test
