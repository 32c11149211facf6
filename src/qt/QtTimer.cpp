// Qt timer: see QtTimer.h.
#include "qt/QtTimer.h"

namespace ringlook::qt {

QtTimer::QtTimer(int intervalMs, bool enabled) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (OnTimer) OnTimer();
  });
  if (enabled) timer_.start();
}

void QtTimer::SetInterval(int ms) { timer_.setInterval(ms); }

void QtTimer::SetEnabled(bool enabled) {
  if (enabled == timer_.isActive()) return;
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace ringlook::qt
