// Qt's clock and timers as the pace clock: see PaceClock.h.
#include "PaceClock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace ringlook::server {

namespace {

class TimerAlarm : public PaceAlarm {
 public:
  explicit TimerAlarm(std::function<void()> ring) {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5% early; the gap is a minimum.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(ring));
  }
  void Start(qint64 ms) override { timer_.start(static_cast<int>(ms)); }
  void Stop() override { timer_.stop(); }
  [[nodiscard]] bool Active() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

class SystemClock : public PaceClock {
 public:
  SystemClock() { elapsed_.start(); }
  [[nodiscard]] qint64 NowMs() const override { return elapsed_.elapsed(); }
  [[nodiscard]] std::unique_ptr<PaceAlarm> NewAlarm(std::function<void()> ring) override {
    return std::make_unique<TimerAlarm>(std::move(ring));
  }

 private:
  QElapsedTimer elapsed_;
};

}  // namespace

PaceClock& SystemPaceClock() {
  static SystemClock clock;
  return clock;
}

}  // namespace ringlook::server
